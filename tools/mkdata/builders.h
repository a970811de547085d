// The data builder's parts, one per kind of game data. Each reads its text
// sources under the data directory, writes the game's files into the output
// directory and returns 0, or prints what is wrong and returns 1.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace mkdata {

namespace fs = std::filesystem;

int BuildFonts(const fs::path& data, const fs::path& out);     // ascii.fnt, tarn0..2.fnt, jamo.fnt
int BuildTiles(const fs::path& data, const fs::path& out);     // town/ground/den/keep .fnt and .pal, chara.fnt
int BuildMaps(const fs::path& data, const fs::path& out);      // <Name>.map, checked against the tiles
int BuildEnemies(const fs::path& data, const fs::path& out);   // foedata.dat
int BuildMusic(const fs::path& data, const fs::path& out);     // _Music2.Bgm .. _Music5.Bgm from data/music/*.txt

// Extra commands: vela-mkdata <command> args...
int RenderMapCommand(const std::vector<std::string>& args);    // render-map NAME out.png [built-data-dir]
int IconCommand(const std::vector<std::string>& args);         // icon SIZE out.png [built-data-dir]
int TileSheetCommand(const std::vector<std::string>& args);    // tile-sheet SET out.png [built-data-dir]
int FontSheetCommand(const std::vector<std::string>& args);    // font-sheet SET out.png [built-data-dir] [syllables]
int RenderMusicCommand(const std::vector<std::string>& args);  // render-music SOURCE.txt out.wav

}  // namespace mkdata
