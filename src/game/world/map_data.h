// The current map: its cells, size and kind, the tile and sprite images it
// is drawn with, and loading it from its files.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "game/world/map_catalogue.h"

namespace vela {

constexpr int kMapColumns = 200, kMapRows = 125;
constexpr int kImageSlotBytes = 294;  // a 24 x 24 four-plane image and 2 spare bytes
constexpr int kImageSlots = 56;
constexpr int kImageFileBytes = kImageSlotBytes * kImageSlots;  // 16464

// Cell (x, y), x 1..200, y 1..125, is MapCells[(x - 1) * 125 + (y - 1)]:
// bits 0..6 the tile, bit 7 the lit mark.
extern std::array<uint8_t, kMapColumns * kMapRows> MapCells;
extern uint8_t MapWidth, MapHeight;
extern uint8_t MapKind;
extern std::array<uint8_t, kImageFileBytes> TileImages;
extern std::array<uint8_t, kImageFileBytes> SpriteImages;

// The images and palette of each kind of map are <name>.fnt and <name>.pal,
// by MapKindValue; the party's sprites and masks are chara.fnt.
inline constexpr const char* kTileSetNames[4] = {"town", "ground", "den", "keep"};
inline constexpr const char* kSpriteFile = "chara.fnt";

extern uint8_t MapLoaded;       // 0 after start-up and before a restore's load
extern uint8_t RestorePending;  // 1: the next first load reads the saved game
extern uint8_t MapChanged;      // set by every load; ends the music loop

int MapTile(int x, int y);
// The squares the party may stand on: a step that would leave x 5..width-4,
// y 6..height-5 is refused (the view around the party stays on the map).
bool InsideWalkArea(int x, int y);
// The cell's lit mark (bit 7): drawn at full colour even where the view is dim.
bool CellLit(int x, int y);
void SetMapTile(int x, int y, int tile);
const uint8_t* TileImage(int tile);
// Clears the picture of a tile (0..55) to colour 0, keeping its size bytes.
void BlankTileImage(int tile);

// TileImages and SpriteImages are drawn through decoded copies (see
// screen/image_cache.h): code that writes into them other than through
// LoadMap and BlankTileImage calls ImagesChanged for the bytes it wrote.

// Reads the map named by the party's map number, its tiles and palette, and
// on the first load after start-up or a restore the sprites too.
void LoadMap();
// As LoadMap, but the cells come from a saved map file (width, height, then
// the cells). One with a problem (below) is reported as damaged; one that
// cannot be read is an IoError. A restore checks the file first, so play
// goes on when it is refused.
void LoadSavedMap(const std::string& savedMapFile);

// A map file's bytes as the loader reads them (opened, when given, tells
// whether the file could be opened).
std::vector<uint8_t> ReadMapFile(const std::string& name, bool* opened = nullptr);
// What keeps a map file (width, height, then the cells row by row) from
// loading, in English: no size bytes, a size beyond 200 x 125, fewer cells
// than the size, a tile without a picture. Empty when it loads.
std::string MapFileProblem(const std::vector<uint8_t>& bytes);
// What keeps a saved map (width, height, then all 200 x 125 cells) from
// loading, in Johab, as the message window shows it: fewer than 25002
// bytes, a size outside 1..200 x 1..125, or a cell of the map's area that
// holds a tile without a picture. Empty when it loads.
std::string SavedMapProblem(const std::vector<uint8_t>& bytes);

// Start-up and tests: an empty map, nothing loaded.
void ResetMapState();

}  // namespace vela
