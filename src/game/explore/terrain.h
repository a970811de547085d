// What a step onto floor, water, swamp or lava does: the clock, poison,
// damage, the walking spells' time and the encounter roll.
#pragma once

namespace vela {

// Advances every poisoned member's counter; a member whose counter passes 10
// suffers. Returns how many suffered. The swamp also makes each member it
// looks at the current member.
int PoisonTick(bool setCurrentMember = false);

void FloorStep();
void WaterStep();
void SwampStep();
void LavaStep();

}  // namespace vela
