// Healing magic: on the map from the camp, and the party-healing command of
// battle, where lines about a refused spell are left out.
#pragma once

namespace vela {

// The healing menu for the caster CurrentMember.
void HealingMagic();

// The four effects of caster CurrentMember on member t.
void HealOne(int t);
void CurePoison(int t);
void WakeUp(int t);
void Revive(int t);

// The caster's healing skill: the third skill of a mage, the second of a
// class-7 fighter, none for anyone else.
int HealingSkill(int slot);

}  // namespace vela
