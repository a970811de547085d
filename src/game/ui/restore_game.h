// The restore-game dialog, offered by the game options menu and by the
// end-of-game dialog.
#pragma once

namespace vela {

// Lets the player pick a saved game and loads it; true when one was loaded.
bool RestoreGame();

}  // namespace vela
