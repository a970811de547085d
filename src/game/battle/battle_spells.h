// Attack magic on one foe or on all of them, and the ten special spells that
// wear down a foe's abilities.
#pragma once

namespace vela {

// Magic points an attack spell s costs at attack magic skill `skill`:
// skill x s x s / 10, ties to even.
int AttackSpellCost(int skill, int spell);

// The current actor's spell (its Choice) on its target.
void CastAttackSpell();
// The all-enemies spell: one cast per slot, each paid and rolled on its own.
void CastGroupSpell();
// Special spells 1..5 on the target, 6..10 on every slot while the caster
// can pay strictly more than the single spell's cost.
void CastSpecialSpell();
// The current actor's summoning spell (its Choice): always works, costs
// nothing, and replaces whatever member 6 was.
void Summon();

}  // namespace vela
