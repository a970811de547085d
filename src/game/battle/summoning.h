// Summoning in battle: a creature is made in member slot 6.
#pragma once

namespace vela {

// The current actor's summoning spell (its Choice): always works, costs
// nothing, and replaces whatever member 6 was.
void Summon();
// Summoning spell 1..10 cast with the skill (the summoning scroll casts 6).
void SummonWithSkill(int spell, int skill);

}  // namespace vela
