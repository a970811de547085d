// What a foe does on its turn: melee, its special attack, its magic, and its
// special abilities (calling up help, stealing the companion, death to all).
#pragma once

namespace vela {

// The turn of the foe in slot `slot` (the current actor).
void EnemyTurn(int slot);

// The foe's spells: one member, then the whole party.
void EnemyCastOne(int slot, int member);
void EnemyCastAll(int slot);
// The foe in `slot` heals slot `patient`: a dead foe stops being dead, an
// unconscious one wakes, a standing one gains `amount` up to full.
void EnemyHeal(int slot, int patient, int amount);

// Hurts a member the way blows and spells do: deeper death, deeper
// unconsciousness, or lost hit points.
void DamageMember(int member, int amount);

}  // namespace vela
