// The data files the game cannot play without, checked all at once before
// the title, so a missing one is never first noticed in the middle of play.
#pragma once

#include <string>
#include <vector>

namespace vela {

// The fonts, the four tile sets and their palettes, the sprites, every map
// of the map table and the enemy table. The tunes are not among them: a
// missing tune is silence.
std::vector<std::string> RequiredDataFiles();

// Returns when every required file can be opened in the current folder;
// otherwise names the folder and every missing file in one box and halts
// with status 1.
void CheckDataFiles();

}  // namespace vela
