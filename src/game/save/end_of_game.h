// The end-of-game dialog: reached when the whole party has died exploring,
// when a battle is lost, or when the player asks to quit. It acts by
// PartyFate and either restores a saved game or ends the program. After a
// defeat the restore list opens on the save written last, and the game ends
// only after a second "yes"; otherwise the dialog is offered again.
#pragma once

namespace vela {

void EndOfGameDialog();

}  // namespace vela
