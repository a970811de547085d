// The first words of a new game: where the new hero stands and where to go.
#pragma once

namespace vela {

// Writes the opening narration into the (empty) message window; it waits
// for no key, so the first step on the map is the player's.
void SayOpening();

}  // namespace vela
