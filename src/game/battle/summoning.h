// Summoning in battle: a creature is made in member slot 6.
#pragma once

namespace vela {

// The current actor's summoning spell (its Choice): always works, costs
// nothing, and replaces whatever member 6 was.
void Summon();

}  // namespace vela
