// The special abilities of strong foes, and a party member turned foe.
#pragma once

namespace vela {

// Calls up a lesser foe, wins member 6 over, or tries death on the whole
// party, by the foe's SpecialAbility (1, 2, 3 and each includes the lower).
void EnemySpecialAbility(int slot);

// Fills a foe slot as a copy of a party member (enemy number 1).
void CompanionToEnemy(int member, int slot);

}  // namespace vela
