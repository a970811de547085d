// Walking directions for the harness: the keys that take the party from where
// it stands to a square of the current map. Used to write playthrough keys.
#pragma once

#include <string>

namespace vela {

// The shortest walk over plain floor (no water, swamp or lava on the way, and
// an event square only where nothing goes round it; the goal itself may be
// any square, so a walk can end by bumping into a door, a sign or a person),
// as harness keys such as "{up*3}{left}".
// Empty when the party already stands there or no such walk exists.
std::string RouteKeys(int toX, int toY);

}  // namespace vela
