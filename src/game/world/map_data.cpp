#include "game/world/map_data.h"

#include <fstream>
#include <vector>

#include "files/durable_file.h"
#include "files/file_bytes.h"
#include "game/state/party.h"
#include "game/world/map_view.h"
#include "runtime/platform.h"
#include "screen/gfx.h"
#include "screen/johab.h"
#include "screen/image_cache.h"
#include "runtime/halt.h"

namespace vela {

std::array<uint8_t, kMapColumns * kMapRows> MapCells{};
uint8_t MapWidth = 0, MapHeight = 0;
uint8_t MapKind = 0;
std::array<uint8_t, kImageFileBytes> TileImages{};
std::array<uint8_t, kImageFileBytes> SpriteImages{};
uint8_t MapLoaded = 0;
uint8_t RestorePending = 0;
uint8_t MapChanged = 0;

namespace {

// Both image buffers are drawn through their decoded copies.
const bool imageSetsCached = [] {
    CacheImageSet(TileImages.data(), kImageSlots, kImageSlotBytes);
    CacheImageSet(SpriteImages.data(), kImageSlots, kImageSlotBytes);
    return true;
}();

constexpr int kTileWithImageLimit = kImageSlots - 1;  // tiles 0..55 have a picture

std::size_t cellIndex(int x, int y) { return std::size_t(x - 1) * kMapRows + std::size_t(y - 1); }

bool inBuffer(int x, int y) { return x >= 1 && x <= kMapColumns && y >= 1 && y <= kMapRows; }

// A file read whole into a fixed buffer; a missing file is reported as
// missing, a short one as damaged.
template <std::size_t N>
void readImages(const std::string& name, std::array<uint8_t, N>& into) {
    bool opened = false;
    std::vector<uint8_t> bytes = ReadUpTo(name, N, &opened);
    if (!opened) ReportMissingFile(name);
    if (bytes.size() != N) ReportDamagedFile(name, "it holds " + std::to_string(bytes.size()) + " bytes, not " + std::to_string(N));
    std::copy(bytes.begin(), bytes.end(), into.begin());
    ImagesChanged(into.data(), N);
}

void readSavedMap(const std::string& name) {
    bool opened = false;
    std::vector<uint8_t> bytes = ReadUpTo(name, 2 + MapCells.size(), &opened);
    if (bytes.size() != 2 + MapCells.size()) throw IoError("saved map " + name + " is short or unreadable");
    if (bytes[0] < 1 || bytes[0] > kMapColumns || bytes[1] < 1 || bytes[1] > kMapRows)
        throw IoError("saved map " + name + " has an impossible size");
    MapWidth = bytes[0];
    MapHeight = bytes[1];
    std::copy(bytes.begin() + 2, bytes.end(), MapCells.begin());
}

// A map file: width, height, then the cells row by row. A file whose size
// does not fit the buffer, that is short or goes on after its cells, or whose
// cells name a tile without a picture is refused as damaged before anything
// is written into the map.
void readMapFile(const std::string& name) {
    bool opened = false;
    // One byte past the largest map, so that bytes after it are seen too.
    std::vector<uint8_t> bytes = ReadUpTo(name, 2 + std::size_t(kMapColumns) * kMapRows + 1, &opened);
    if (!opened) ReportMissingFile(name);
    if (bytes.size() < 2) ReportDamagedFile(name, "it has no size bytes");
    int width = bytes[0], height = bytes[1];
    if (width < 1 || width > kMapColumns || height < 1 || height > kMapRows)
        ReportDamagedFile(name, "its size " + std::to_string(width) + " x " + std::to_string(height) +
                                    " does not fit 200 x 125");
    if (bytes.size() < 2 + std::size_t(width) * height)
        ReportDamagedFile(name, "it is short: " + std::to_string(bytes.size() - 2) + " of " +
                                    std::to_string(width * height) + " cells");
    if (bytes.size() > 2 + std::size_t(width) * height)
        ReportDamagedFile(name, "it goes on after its " + std::to_string(width * height) + " cells");
    for (std::size_t i = 0; i < std::size_t(width) * height; ++i)
        if ((bytes[2 + i] & 127) > kTileWithImageLimit)
            ReportDamagedFile(name, "a cell holds tile " + std::to_string(bytes[2 + i] & 127) + ", which has no picture");
    MapWidth = uint8_t(width);
    MapHeight = uint8_t(height);
    for (int y = 1; y <= height; ++y)
        for (int x = 1; x <= width; ++x) MapCells[cellIndex(x, y)] = bytes[2 + std::size_t(y - 1) * width + (x - 1)];
}

// A palette: 16 entries of red, green and blue. A short file or a component
// above 63 is refused before any colour changes.
void readPalette(const std::string& name) {
    bool opened = false;
    std::vector<uint8_t> bytes = ReadUpTo(name, 48, &opened);
    if (!opened) ReportMissingFile(name);
    if (bytes.size() != 48) ReportDamagedFile(name, "it holds " + std::to_string(bytes.size()) + " of 48 bytes");
    const char* const component[3] = {"red", "green", "blue"};
    for (int i = 0; i < 48; ++i)
        if (bytes[i] > kPaletteComponentMax)
            ReportDamagedFile(name, "entry " + std::to_string(i / 3) + " has " + component[i % 3] + " " +
                                        std::to_string(bytes[i]) + ", above " + std::to_string(kPaletteComponentMax));
    for (int i = 0; i < 16; ++i) SetPaletteEntry(i, bytes[i * 3], bytes[i * 3 + 1], bytes[i * 3 + 2]);
}

void copySlot(int from, int to) {
    uint8_t* slot = &TileImages[std::size_t(to) * kImageSlotBytes];
    std::copy_n(&TileImages[std::size_t(from) * kImageSlotBytes], kImageSlotBytes, slot);
    ImagesChanged(slot, kImageSlotBytes);
}

}  // namespace

int MapTile(int x, int y) { return inBuffer(x, y) ? MapCells[cellIndex(x, y)] & 127 : 0; }

bool InsideWalkArea(int x, int y) { return x > 4 && x < MapWidth - 3 && y > 5 && y < MapHeight - 4; }

bool CellLit(int x, int y) { return inBuffer(x, y) && (MapCells[cellIndex(x, y)] & 128); }

void SetMapTile(int x, int y, int tile) {
    if (!inBuffer(x, y)) return;
    uint8_t& cell = MapCells[cellIndex(x, y)];
    cell = uint8_t((cell & 128) | (tile & 127));
}

const uint8_t* TileImage(int tile) {
    // Tiles above 55 have no picture; the loader refuses them, and what a
    // script sets is kept inside the images too.
    if (tile < 0 || tile > kTileWithImageLimit) tile = 0;
    return &TileImages[std::size_t(tile) * kImageSlotBytes];
}

void BlankTileImage(int tile) {
    if (tile < 0 || tile > kTileWithImageLimit) return;
    uint8_t* slot = &TileImages[std::size_t(tile) * kImageSlotBytes];
    std::fill_n(slot + 4, kImageSlotBytes - 4, 0);
    ImagesChanged(slot, kImageSlotBytes);
}

namespace {

void loadMap(const std::string* savedMap) {
    if (MapLoaded == 0) readImages(kSpriteFile, SpriteImages);
    if (savedMap)
        readSavedMap(*savedMap);
    else
        readMapFile(std::string(MapInfoOf(Party.MapNumber).name) + ".map");
    RestorePending = 1;
    MapKind = MapInfoOf(Party.MapNumber).kind;
    MapChanged = 1;
    std::string tileSet = kTileSetNames[MapKind];
    readImages(tileSet + ".fnt", TileImages);
    readPalette(tileSet + ".pal");
    if (Party.MapNumber == kPyramid) copySlot(48, 52);
    MapLoaded = 1;
    if (int base = MapInfoOf(Party.MapNumber).baseTile; base > 0) copySlot(base, 0);
    PartyX = Party.SavedX;
    PartyY = Party.SavedY;
    PartySprite = (MapHeight / 2 <= PartyY) ? 1 : 0;
    if (MapKind != kTown) PartySprite += 4;
    uint8_t& temperament = Party.Flags[FlagTemperament];
    if (temperament < 1 || temperament > 3) temperament = 2;
    uint8_t& maxEnemies = Party.Flags[FlagMaxEnemies];
    if (maxEnemies < 3 || maxEnemies > 7) maxEnemies = 5;
    uint8_t backdrop = Party.Flags[FlagBackdrop];
    SetBackdropMode(backdrop >= 1 && backdrop <= 5 ? backdrop : 0);
    ClearLowerPanel();
}

}  // namespace

void LoadMap() { loadMap(nullptr); }

void LoadSavedMap(const std::string& savedMapFile) { loadMap(&savedMapFile); }

void ResetMapState() {
    MapCells.fill(0);
    MapWidth = MapHeight = 0;
    MapKind = 0;
    TileImages.fill(0);
    SpriteImages.fill(0);
    ImagesChanged(TileImages.data(), TileImages.size());
    ImagesChanged(SpriteImages.data(), SpriteImages.size());
    MapLoaded = 0;
    RestorePending = 0;
    MapChanged = 0;
}

}  // namespace vela
