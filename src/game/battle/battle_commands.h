// The command phase: each member's battle menu and the menus behind it,
// turned into the member's orders in ActionTable.
#pragma once

#include <functional>

namespace vela {

// Asks member `member` (able to act, the current actor) for its orders.
void ChooseCommand(int member);

// The menu of one spell school: the ten names, the first `selectable` of
// them choosable; the spell number, or 0.
int SpellMenu(int school, int selectable);

// When set, decides a member's orders instead of the menus: the balance
// simulator's player. It fills ActionTable[member].
extern std::function<void(int member)> CommandPolicy;

}  // namespace vela
