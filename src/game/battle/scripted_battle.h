// The small vocabulary map events use for a scripted fight:
//
//   SetFoeCount(3);
//   for (int s = 1; s <= 3; ++s) SetFoe(s, 26);
//   ShowFoes();
//   ... the foes' words, a key wait ...
//   Battle(false, true);
//   switch (ReadBattleOutcome()) { ... }
#pragma once

#include "game/battle/battle.h"
#include "game/battle/enemy_abilities.h"
#include "game/battle/enemy_group.h"

namespace vela {

inline void SetFoeCount(int count) { EnemyCount = uint8_t(count); }
// A foe from enemy record `number`.
inline void SetFoe(int slot, int number) { MakeBattleEnemy(slot, number); }
// A foe that is a copy of party member `member`.
inline void FoeFromMember(int member, int slot) { CompanionToEnemy(member, slot); }
// The foes' names in the view area, which is cleared first.
inline void ShowFoes() { DrawEnemyList(true); }

enum class BattleOutcome {
    Won,       // every foe is down
    Lost,      // the whole party is down (only seen with returnToMap false)
    Fled,      // the party got away
    Restored,  // lost, and the player restored a saved game instead
};
// What the last Battle came to, from PartyFate and the two sides' states.
BattleOutcome ReadBattleOutcome();

}  // namespace vela
