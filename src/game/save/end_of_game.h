// The end-of-game dialog: reached when the whole party has died exploring,
// when a battle is lost, or when the player asks to quit. It acts by
// PartyFate and either restores a saved game or ends the program.
#pragma once

namespace vela {

void EndOfGameDialog();

}  // namespace vela
