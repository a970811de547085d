// The main game procedure: everything from the first screen to the halt.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace vela {

// Runs the game; never returns normally (every end is a ProgramHalt).
// args are the command-line arguments after the program name. It starts by
// checking that every data file is there and reading the fonts.
[[noreturn]] void PlayGame(const std::vector<std::string>& args);

// One turn of the outermost loop: the current map's tune plays while step
// runs again and again until a map load changes the map; then it stops.
void PlayMapWithMusic(const std::function<void()>& step);

// Prepares a game: enemy table, first map, status header, panel and view.
void StartGame();

}  // namespace vela
