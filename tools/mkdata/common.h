// Shared helpers of the data builder: file I/O, the 24 x 24 four-plane image
// slots of tile and sprite files, palettes and error reporting.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "screen/png_file.h"

namespace mkdata {

namespace fs = std::filesystem;

constexpr int kTileSize = 24;
constexpr int kSlotBytes = 294;   // a 292-byte image and 2 bytes of padding
constexpr int kSlotCount = 56;    // tile and sprite files hold 56 slots
using TilePixels = std::array<uint8_t, kTileSize * kTileSize>;  // palette indices, rows top first

// One 294-byte slot: width-1, height-1, then per row four planes of 3 bytes.
std::vector<uint8_t> EncodeTileSlot(const TilePixels& pixels);
TilePixels DecodeTileSlot(const uint8_t* slot);

// A palette as stored in ".pal" files: 16 entries of 6-bit red, green, blue.
using Palette6 = std::array<std::array<uint8_t, 3>, 16>;
// The 8-bit colour the game shows for a 6-bit palette entry, after the
// screen's 5-5-5 surface keeps the top five bits of each component.
std::array<uint8_t, 3> ScreenColour(const Palette6& pal, int index);

std::vector<uint8_t> ReadBinary(const fs::path& path);
bool WriteBinary(const fs::path& path, const std::vector<uint8_t>& bytes);
// Lines of a text source, without line ends.
std::vector<std::string> ReadLines(const fs::path& path);

// Collects errors with their source position; a builder fails when any exist.
struct Errors {
    std::vector<std::string> list;
    void add(const std::string& where, const std::string& what);
    bool any() const { return !list.empty(); }
    int report() const;  // prints them to stderr; returns 1 when any, else 0
};

// Draws tiles into an RGB image, for contact sheets and map renderings.
void BlitTile(vela::RgbImage& image, int x, int y, const TilePixels& tile, const Palette6& pal, int scale = 1);

}  // namespace mkdata
