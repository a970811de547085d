// The main game procedure: everything from the first screen to the halt.
#pragma once

#include <string>
#include <vector>

namespace vela {

// Runs the game; never returns normally (every end is a ProgramHalt).
// args are the command-line arguments after the program name.
[[noreturn]] void PlayGame(const std::vector<std::string>& args);

// Prepares a game: enemy table, first map, status header, panel and view.
void StartGame();

}  // namespace vela
