#include "common.h"

#include "files/durable_file.h"

#include <fstream>
#include <iostream>
#include <iterator>

namespace mkdata {

std::vector<uint8_t> EncodeTileSlot(const TilePixels& pixels) {
    std::vector<uint8_t> slot(kSlotBytes, 0);
    slot[0] = kTileSize - 1;
    slot[2] = kTileSize - 1;
    for (int y = 0; y < kTileSize; ++y) {
        for (int x = 0; x < kTileSize; ++x) {
            int c = pixels[y * kTileSize + x];
            for (int plane = 0; plane < 4; ++plane) {
                // plane 0 carries the colour's highest bit
                if (c & (8 >> plane)) slot[4 + y * 12 + plane * 3 + x / 8] |= uint8_t(0x80 >> (x % 8));
            }
        }
    }
    return slot;
}

TilePixels DecodeTileSlot(const uint8_t* slot) {
    TilePixels pixels{};
    for (int y = 0; y < kTileSize; ++y)
        for (int x = 0; x < kTileSize; ++x) {
            int c = 0;
            for (int plane = 0; plane < 4; ++plane)
                if (slot[4 + y * 12 + plane * 3 + x / 8] & (0x80 >> (x % 8))) c |= 8 >> plane;
            pixels[y * kTileSize + x] = uint8_t(c);
        }
    return pixels;
}

std::array<uint8_t, 3> ScreenColour(const Palette6& pal, int index) {
    std::array<uint8_t, 3> c{};
    for (int k = 0; k < 3; ++k) c[k] = uint8_t((pal[index][k] * 4) & 0xF8);
    return c;
}

std::vector<uint8_t> ReadBinary(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

bool WriteBinary(const fs::path& path, const std::vector<uint8_t>& bytes) {
    std::string error;
    return vela::ReplaceFile(path.string(), bytes, error);
}

std::vector<std::string> ReadLines(const fs::path& path) {
    std::ifstream in(path);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

void Errors::add(const std::string& where, const std::string& what) { list.push_back(where + ": " + what); }

int Errors::report() const {
    for (const auto& e : list) std::cerr << "vela-mkdata: " << e << '\n';
    return any() ? 1 : 0;
}

void BlitTile(vela::RgbImage& image, int x, int y, const TilePixels& tile, const Palette6& pal, int scale) {
    for (int ty = 0; ty < kTileSize * scale; ++ty)
        for (int tx = 0; tx < kTileSize * scale; ++tx) {
            int px = x + tx, py = y + ty;
            if (px < 0 || py < 0 || px >= image.width || py >= image.height) continue;
            auto c = ScreenColour(pal, tile[(ty / scale) * kTileSize + tx / scale]);
            uint8_t* d = &image.rgb[(std::size_t(py) * image.width + px) * 3];
            d[0] = c[0];
            d[1] = c[1];
            d[2] = c[2];
        }
}

}  // namespace mkdata
