// Map sources: the text form of a map (data/maps/<Name>.txt), the checks a
// map must pass before the game may load it, and the binary "<Name>.map".
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "common.h"
#include "game/world/map_catalogue.h"

namespace mkdata {

// The kinds of map and the tile classes are the game's own (map_catalogue.h).
using vela::kDen;
using vela::kGround;
using vela::kKeep;
using vela::kTown;
using vela::TileClass;
inline TileClass ClassOf(int kind, int tile) { return vela::ClassOfTile(kind, tile); }
const char* ClassName(TileClass cls);
bool ParseClassName(std::string_view name, TileClass& cls);
const char* KindName(int kind);      // "town", "ground", "den", "keep"
int KindFromName(std::string_view name);  // -1 when unknown

// The game's number for a map file name, or -1 when the game loads no map
// by that name; its kind and base tile are in vela::kMapCatalogue.
int GameMapNumber(std::string_view name);

constexpr int kMaxMapWidth = 200;
constexpr int kMaxMapHeight = 125;
constexpr int kTopTile = 55;  // tile files carry pictures 0..55 only

// A scripted square ("check") or an arrival square ("entry") of a map source.
struct MapMark {
    int x = 0, y = 0;
    TileClass cls = TileClass::Floor;
    int tile = -1;        // a required tile number, or -1 for any tile of the class
    bool sealed = false;  // reached only by magic; left out of the walking test
    std::string note;
    int line = 0;
};

struct MapSource {
    std::string file;  // for messages
    std::string name;
    int number = -1;
    int kind = -1;
    int width = 0, height = 0;
    std::vector<uint8_t> cells;  // row by row, tile number plus 0x80 when lit
    std::vector<MapMark> checks;
    std::vector<MapMark> entries;

    int tile(int x, int y) const { return cells[std::size_t(y - 1) * width + (x - 1)] & 0x7F; }
    bool inside(int x, int y) const { return x >= 1 && y >= 1 && x <= width && y <= height; }
    // The squares the party may stand on: the 9 x 11 view never leaves the map.
    bool inPartyRange(int x, int y) const { return x >= 5 && x <= width - 4 && y >= 6 && y <= height - 5; }
};

// Reads a map source; problems go to errors with their line numbers.
bool ParseMapSource(const std::vector<std::string>& lines, const std::string& file, MapSource& map,
                    Errors& errors);
// Every rule a map must keep for its scripts to work (see data/maps/README.md).
void ValidateMap(const MapSource& map, Errors& errors);
// The game's map file: width, height, then the cells row by row.
std::vector<uint8_t> EncodeMapFile(const MapSource& map);

}  // namespace mkdata
