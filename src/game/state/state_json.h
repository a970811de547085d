// The game state as JSON, for the harness's --state output and for tests:
// the raw saved-game image plus every party and member field by name.
#pragma once

#include <string>

namespace vela {

// {"raw": hex of the 556-byte image, "PartyX", "PartyY", "MapKind",
//  "MapWidth", "MapHeight", "party": {...}, "members": [slot 1 .. slot 7]}.
// Member names are given in UTF-8.
std::string StateJson(int mapKind, int mapWidth, int mapHeight);

}  // namespace vela
