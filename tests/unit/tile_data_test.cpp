// The built tile, sprite and palette files, checked against their text sources
// and against the way the map view uses them.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "session.h"

namespace {

using vela::test::ReadBuiltData;

constexpr int kSlot = 294;
constexpr int kSlots = 56;

// Pixel (x, y) of a slot, read as the screen reads a four-plane image:
// plane 0 holds the colour's bit 3, plane 3 its bit 0.
int pixelOf(const uint8_t* slot, int x, int y) {
    int c = 0;
    for (int plane = 0; plane < 4; ++plane)
        if (slot[4 + y * 12 + plane * 3 + x / 8] & (0x80 >> (x % 8))) c |= 8 >> plane;
    return c;
}

// Blocks "<keyword> N ..." followed by 24 rows, from a source under data/tiles.
std::map<int, std::vector<std::string>> readSource(const std::string& file, const std::string& keyword) {
    std::ifstream in(std::string(VELA_SOURCE_DIR) + "/data/tiles/" + file);
    std::map<int, std::vector<std::string>> blocks;
    std::vector<std::string>* current = nullptr;
    for (std::string line; std::getline(in, line);) {
        if (line.rfind(keyword + " ", 0) == 0) {
            current = &blocks[std::stoi(line.substr(keyword.size() + 1))];
        } else if (current && line.size() >= 24 && line[0] != '#' && current->size() < 24) {
            current->push_back(line.substr(0, 24));
        }
    }
    return blocks;
}

TEST(TileData, EveryTileFileHoldsFiftySixTwentyFourPixelSlots) {
    for (const char* name : {"town.fnt", "ground.fnt", "den.fnt", "keep.fnt", "chara.fnt"}) {
        auto file = ReadBuiltData(name);
        ASSERT_EQ(file.size(), std::size_t(kSlots * kSlot)) << name;
        for (int n = 0; n < kSlots; ++n) {
            const uint8_t* slot = &file[std::size_t(n) * kSlot];
            EXPECT_EQ(slot[0] | slot[1] << 8, 23) << name << " slot " << n;
            EXPECT_EQ(slot[2] | slot[3] << 8, 23) << name << " slot " << n;
        }
    }
}

TEST(TileData, TownTilesShowTheColoursWrittenInTheSource) {
    auto file = ReadBuiltData("town.fnt");
    auto source = readSource("town.txt", "tile");
    ASSERT_EQ(file.size(), std::size_t(kSlots * kSlot));
    ASSERT_EQ(source.size(), std::size_t(kSlots));
    for (const auto& [n, rows] : source)
        for (int y = 0; y < 24; ++y)
            for (int x = 0; x < 24; ++x)
                ASSERT_EQ(pixelOf(&file[std::size_t(n) * kSlot], x, y), std::stoi(rows[y].substr(x, 1), nullptr, 16))
                    << "tile " << n << " at " << x << "," << y;
}

// The map view composes the party cell bytewise: (ground AND mask) OR sprite.
// Through that rule every sprite must show the ground exactly where its
// source has '.', and its own colour everywhere else, on any ground.
TEST(TileData, PartyFigureComposesOverAnyGroundAsDrawn) {
    auto chara = ReadBuiltData("chara.fnt");
    auto town = ReadBuiltData("town.fnt");
    auto source = readSource("chara.txt", "sprite");
    ASSERT_EQ(chara.size(), std::size_t(kSlots * kSlot));
    ASSERT_EQ(town.size(), std::size_t(kSlots * kSlot));
    ASSERT_GE(source.size(), 12u) << "the party needs sprites 0..11";
    for (int ground : {1, 24, 44, 47}) {  // stone wall, water, paving, earth: many colours under the figure
        const uint8_t* g = &town[std::size_t(ground) * kSlot];
        for (int k = 0; k < 28; ++k) {
            std::vector<uint8_t> cell(g, g + kSlot);
            const uint8_t* sprite = &chara[std::size_t(k) * kSlot];
            const uint8_t* mask = &chara[std::size_t(k + 28) * kSlot];
            for (int b = 4; b < kSlot; ++b) cell[b] = uint8_t((cell[b] & mask[b]) | sprite[b]);
            auto it = source.find(k);
            for (int y = 0; y < 24; ++y)
                for (int x = 0; x < 24; ++x) {
                    char c = it == source.end() ? '.' : it->second[y][x];
                    int expected = c == '.' ? pixelOf(g, x, y) : std::stoi(std::string(1, c), nullptr, 16);
                    ASSERT_EQ(pixelOf(cell.data(), x, y), expected)
                        << "sprite " << k << " over tile " << ground << " at " << x << "," << y;
                }
        }
    }
}

// The message window looks the same on every map: the entries it writes and
// fills with are alike in all four palettes (how well they read is
// TextContrast's).
TEST(TileData, EveryMapPaletteSharesTheMessageWindowColours) {
    const std::vector<uint8_t> town = ReadBuiltData("town.pal");
    ASSERT_EQ(town.size(), 48u);
    for (const char* name : {"ground.pal", "den.pal", "keep.pal"}) {
        auto pal = ReadBuiltData(name);
        ASSERT_EQ(pal.size(), 48u) << name;
        for (uint8_t v : pal) EXPECT_LE(v, 63) << name;
        for (int index : {0, 7, 8, 10, 11, 12, 13, 14, 15})
            for (int k = 0; k < 3; ++k)
                EXPECT_EQ(pal[index * 3 + k], town[index * 3 + k]) << name << " index " << index;
    }
}

}  // namespace
