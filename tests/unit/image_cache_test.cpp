#include <gtest/gtest.h>

#include <array>
#include <string>

#include "game/state/party.h"
#include "game/explore/map_step.h"
#include "game/world/map_data.h"
#include "screen/gfx.h"
#include "screen/image_cache.h"
#include "session.h"
#include "runtime/key_queue.h"

namespace vela {
namespace {

// Colour index of pixel (x, y) of a four-plane image of planeBytes bytes a
// plane, read bit by bit: the format itself, independent of any decoder.
int colourIn(const uint8_t* image, int planeBytes, int x, int y) {
    const uint8_t* row = image + 4 + y * 4 * planeBytes;
    int index = 0;
    for (int plane = 0; plane < 4; ++plane)
        if (row[plane * planeBytes + x / 8] & (0x80 >> (x % 8))) index |= 8 >> plane;
    return index;
}

// Whether the 24 x 24 cell at (x, y) of the screen shows image, dimmed or not.
::testing::AssertionResult showsCell(int x, int y, const uint8_t* image, bool dim = false) {
    for (int r = 0; r < 24; ++r)
        for (int c = 0; c < 24; ++c) {
            uint16_t want = PixelOf(colourIn(image, 3, c, r));
            if (dim) want &= 0x1F;
            if (Screen[std::size_t(y + r) * 640 + std::size_t(x + c)] != want)
                return ::testing::AssertionFailure() << "pixel (" << c << ", " << r << ") differs";
        }
    return ::testing::AssertionSuccess();
}

// A map of one tile, width x height, written into the session folder.
void writeMap(test::Session& s, const std::string& name, int width, int height, uint8_t tile) {
    std::string bytes{char(width), char(height)};
    bytes.append(std::size_t(width * height), char(tile));
    s.WriteFile(name + ".map", bytes);
}

TEST(ImageCache, EveryTileAndSpriteDrawsAsItsPlanesSay) {
    test::Session s;
    for (const char* set : {"town.fnt", "ground.fnt", "den.fnt", "keep.fnt", "chara.fnt"}) {
        SCOPED_TRACE(set);
        test::LoadTileFile(set);
        for (int tile = 0; tile < kImageSlots; ++tile) {
            const uint8_t* image = &TileImages[std::size_t(tile) * kImageSlotBytes];
            PutTile(0, 0, image, false);
            PutTile(24, 0, image, true);
            PutImage(48, 0, image, kPutCopy);
            ASSERT_TRUE(showsCell(0, 0, image)) << "tile " << tile;
            ASSERT_TRUE(showsCell(24, 0, image, true)) << "dim tile " << tile;
            ASSERT_TRUE(showsCell(48, 0, image)) << "image " << tile;
        }
    }
    // A palette change reaches the cached pixels.
    SetRGBPalette(int(colourIn(TileImage(5), 3, 0, 0)), 8, 16, 248);
    PutTile(0, 0, TileImage(5), false);
    EXPECT_TRUE(showsCell(0, 0, TileImage(5)));
}

TEST(ImageCache, ImagesRewrittenByTheGameDrawAsRewritten) {
    test::Session s;
    // Map 2 shows image 48 in slot 52 too; its tile set was cached just before
    // by another den with slot 52 as the file has it.
    writeMap(s, "Menace", 30, 30, 1);
    writeMap(s, "Pyramid", 30, 30, 1);
    test::LoadMapAt(kMenace, 15, 15);
    std::array<uint8_t, kImageSlotBytes> fileSlot52;
    std::copy_n(TileImage(52), kImageSlotBytes, fileSlot52.begin());
    PutTile(0, 0, TileImage(52), false);
    ASSERT_TRUE(showsCell(0, 0, fileSlot52.data()));
    ASSERT_FALSE(showsCell(0, 0, TileImage(48)));
    test::LoadMapAt(kPyramid, 15, 15);
    PutTile(0, 0, TileImage(52), false);
    EXPECT_TRUE(showsCell(0, 0, TileImage(48)));
    // Its base tile 44 stands in slot 0.
    PutTile(24, 0, TileImage(0), false);
    EXPECT_TRUE(showsCell(24, 0, TileImage(44)));

    // The reveal key blanks tile 0.
    PushKey(255);
    MapStep();
    PutTile(48, 0, TileImage(0), false);
    EXPECT_TRUE(showsCell(48, 0, TileImage(0)));
    EXPECT_EQ(Screen[48 + 5 * 640], PixelOf(0));
    EXPECT_EQ(Screen[48 + 23 + 23 * 640], PixelOf(0));

    // Any write announced through ImagesChanged, here across two sprites.
    uint8_t* seam = &SpriteImages[3 * kImageSlotBytes - 10];
    std::fill_n(seam, 20, 0xFF);
    ImagesChanged(seam, 20);
    for (int slot : {2, 3}) {
        const uint8_t* sprite = &SpriteImages[std::size_t(slot) * kImageSlotBytes];
        PutTile(0, 24, sprite, false);
        EXPECT_TRUE(showsCell(0, 24, sprite)) << "sprite " << slot;
    }
}

TEST(ImageCache, ImagesOfAnyWidthDecodeAndClipAtTheEdges) {
    test::Session s(false);
    // 13 x 3: two bytes a plane, the last one half used.
    std::array<uint8_t, 4 + 3 * 4 * 2> image{};
    image[0] = 12;
    image[2] = 2;
    for (std::size_t i = 4; i < image.size(); ++i) image[i] = uint8_t(i * 37 + 11);
    for (auto [x, y] : {std::pair{100, 100}, std::pair{-5, 0}, std::pair{630, 478}}) {
        SetFillStyle(1, 8);
        Bar(0, 0, 639, 479);
        PutImage(x, y, image.data(), kPutCopy);
        for (int r = -1; r <= 3; ++r)
            for (int c = -1; c <= 13; ++c) {
                int sx = x + c, sy = y + r;
                if (sx < 0 || sx > 639 || sy < 0 || sy > 479) continue;
                bool inside = r >= 0 && r < 3 && c >= 0 && c < 13;
                EXPECT_EQ(Screen[std::size_t(sy) * 640 + std::size_t(sx)],
                          PixelOf(inside ? colourIn(image.data(), 2, c, r) : 8))
                    << "image at (" << x << ", " << y << "), pixel (" << c << ", " << r << ")";
            }
    }
}

}  // namespace
}  // namespace vela
