// The game options menu: difficulty, battle order, unequipping, dismissing
// a member, restoring, saving and quitting.
#pragma once

namespace vela {

// The menu's first row of items, below its title.
constexpr int kCampMenuY = 70;

// G on the map, and the last item of the camp menu.
void GameOptionsMenu();

}  // namespace vela
