// Random encounters on the map.
#pragma once

namespace vela {

// Rolled by the step handlers; opens a battle with the map's enemies.
void RandomEncounter();

}  // namespace vela
