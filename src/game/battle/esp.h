// ESP in battle: the two ESP menus and the ten powers.
#pragma once

#include "game/state/party.h"

namespace vela {

// The member's ESP menus, turned into its orders (action 6).
void ChooseEsp(int member);
// Which of the second menu's powers (6..10) a supernatural skill reaches.
int TelekinesisPowers(int skill);
// Enemies that mind reading can win over.
bool MindReadable(int enemyNumber);

// The current actor's ESP power on its target.
void UseEsp();

// A companion made from an enemy record (mind reading and map events): the
// same conversion as a creature joining the party.
inline void EnemyToCompanion(int enemyNumber, int slot) { JoinParty(enemyNumber, slot); }

}  // namespace vela
