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
    if (!opened) throw IoError("cannot read the saved map " + name);
    if (std::string problem = SavedMapProblem(bytes); !problem.empty()) ReportDamagedFile(name, JohabToUtf8(problem));
    MapWidth = bytes[0];
    MapHeight = bytes[1];
    std::copy(bytes.begin() + 2, bytes.end(), MapCells.begin());
}

// A map file is refused as damaged before anything is written into the map.
void readMapFile(const std::string& name) {
    bool opened = false;
    std::vector<uint8_t> bytes = ReadMapFile(name, &opened);
    if (!opened) ReportMissingFile(name);
    if (std::string problem = MapFileProblem(bytes); !problem.empty()) ReportDamagedFile(name, problem);
    int width = bytes[0], height = bytes[1];
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

std::vector<uint8_t> ReadMapFile(const std::string& name, bool* opened) {
    // One byte past the largest map, so that bytes after it are seen too.
    return ReadUpTo(name, 2 + std::size_t(kMapColumns) * kMapRows + 1, opened);
}

std::string MapFileProblem(const std::vector<uint8_t>& bytes) {
    if (bytes.size() < 2) return "it has no size bytes";
    int width = bytes[0], height = bytes[1];
    if (width < 1 || width > kMapColumns || height < 1 || height > kMapRows)
        return "its size " + std::to_string(width) + " x " + std::to_string(height) + " does not fit 200 x 125";
    if (bytes.size() < 2 + std::size_t(width) * height)
        return "it is short: " + std::to_string(bytes.size() - 2) + " of " + std::to_string(width * height) + " cells";
    if (bytes.size() > 2 + std::size_t(width) * height)
        return "it goes on after its " + std::to_string(width * height) + " cells";
    for (std::size_t i = 0; i < std::size_t(width) * height; ++i)
        if ((bytes[2 + i] & 127) > kTileWithImageLimit)
            return "a cell holds tile " + std::to_string(bytes[2 + i] & 127) + ", which has no picture";
    return "";
}

std::string SavedMapProblem(const std::vector<uint8_t>& bytes) {
    std::size_t whole = 2 + MapCells.size();
    if (bytes.size() != whole)
        return std::string("파일이 잘려 있습니다 ("_j) + std::to_string(whole) + std::string(" 바이트 중 "_j) +
               std::to_string(bytes.size()) + std::string(" 바이트)"_j);
    if (bytes[0] < 1 || bytes[0] > kMapColumns || bytes[1] < 1 || bytes[1] > kMapRows)
        return std::string("맵 크기가 1..200 x 1..125 밖입니다: "_j) + std::to_string(bytes[0]) + " x " +
               std::to_string(bytes[1]);
    // The cells are stored column by column, 125 to a column.
    for (int x = 1; x <= bytes[0]; ++x)
        for (int y = 1; y <= bytes[1]; ++y)
            if (int tile = bytes[2 + cellIndex(x, y)] & 127; tile > kTileWithImageLimit)
                return std::string("그림이 없는 타일 "_j) + std::to_string(tile) + std::string("번이 ("_j) +
                       std::to_string(x) + "," + std::to_string(y) + std::string(")에 있습니다"_j);
    return "";
}

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
