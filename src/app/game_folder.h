// The installed game: the program in <prefix>/games, its data files in
// <prefix>/share/games/vela. It plays in the player's own folder, where its
// saved games and screenshots stay, as `make play` does.
#pragma once

#include <string>

namespace vela {

// The data folder of an installed game beside the running program
// (../share/games/vela); empty when the program is not installed.
std::string InstalledDataFolder();

// Makes ${XDG_DATA_HOME:-~/.local/share}/vela when it is missing, copies
// every file of dataFolder into it (only data files live there, so saved
// games and screenshots are never touched) and makes it the current folder.
// Throws std::runtime_error naming what failed.
void EnterPlayerFolder(const std::string& dataFolder);

}  // namespace vela
