#include "game/battle/encounter.h"

namespace vela {

// Battles are not in the game yet: the roll is made where the game makes
// it, and nothing follows.
void RandomEncounter() {}

}  // namespace vela
