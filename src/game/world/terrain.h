// What a step onto floor, water, swamp or lava does: the clock, poison,
// damage, the walking spells' time and the encounter roll.
#pragma once

namespace vela {

// Advances every poisoned member's counter; a member whose counter passes 10
// suffers. Returns how many suffered.
int PoisonTick();

void FloorStep();
void WaterStep();
void SwampStep();
void LavaStep();

}  // namespace vela
