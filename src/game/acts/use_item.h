// Using the party's items: medicines, the summoning scroll, the great
// torch, the crystal ball, the flying boots and the moving orb.
#pragma once

namespace vela {

// The item menu for the user CurrentMember; only the first selectable items
// can be chosen (10 on the map, the five medicines in battle).
void UseItem(int selectable);
constexpr int kBattleItems = 5;  // the medicines

}  // namespace vela
