#include "game/ui/restore_game.h"

namespace vela {

// Stand-in until the saved-games code (slot menu, "Player<n>.dat" lookup,
// LoadMap) replaces this file: no saved game can be restored yet, so the
// end-of-game dialog goes on to quit.
bool RestoreGame() { return false; }

}  // namespace vela
