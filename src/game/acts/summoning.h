// Summoning, by spell in battle or by the summoning scroll: a creature is
// made in member slot 6.
#pragma once

namespace vela {

// Summoning spell 1..10 cast with the skill (the summoning scroll casts 6).
void SummonWithSkill(int spell, int skill);

}  // namespace vela
