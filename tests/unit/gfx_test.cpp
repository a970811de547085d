#include <gtest/gtest.h>

#include <array>

#include "screen/gfx.h"
#include "session.h"
#include "runtime/halt.h"
#include "runtime/presenter.h"

namespace vela {
namespace {

uint16_t at(int x, int y) { return Screen[y * 640 + x]; }

// A 24 x 24 image of one colour.
std::array<uint8_t, 4 + 24 * 12> solidImage(int colour) {
    std::array<uint8_t, 4 + 24 * 12> image{};
    image[0] = 23;
    image[2] = 23;
    for (int y = 0; y < 24; ++y)
        for (int plane = 0; plane < 4; ++plane)
            if (colour & (8 >> plane))
                for (int b = 0; b < 3; ++b) image[4 + y * 12 + plane * 3 + b] = 0xFF;
    return image;
}

TEST(Gfx, BarsFillInclusiveCornersAndClipAtTheEdges) {
    test::Session s(false);
    SetFillStyle(1, 15);
    Bar(0, 0, 639, 479);
    EXPECT_EQ(at(0, 0), PixelOf(15));
    EXPECT_EQ(at(639, 479), PixelOf(15));
    SetFillStyle(1, 4);
    Bar(5, 5, 5, 5);
    EXPECT_EQ(at(5, 5), PixelOf(4));
    EXPECT_EQ(at(6, 5), PixelOf(15));
    EXPECT_EQ(at(5, 6), PixelOf(15));
    Bar(-50, 470, 700, 900);  // clipped, nothing outside written
    EXPECT_EQ(at(0, 479), PixelOf(4));
    EXPECT_EQ(at(639, 469), PixelOf(15));
    auto before = Screen;
    Bar(700, 470, 800, 479);  // wholly off the surface: nothing at all
    Bar(10, -40, 20, -1);
    EXPECT_TRUE(Screen == before);
}

TEST(Gfx, BarsOfEveryWidthFillExactlyTheirRectangle) {
    test::Session s(false);
    for (int width = 1; width <= 10; ++width) {
        SetFillStyle(1, 0);
        Bar(0, 0, 639, 479);
        SetFillStyle(1, 14);
        Bar(3 + width - 1, 10, 3, 12);  // corners in either order
        for (int y = 9; y <= 13; ++y)
            for (int x = 0; x <= 16; ++x)
                EXPECT_EQ(at(x, y), x >= 3 && x < 3 + width && y >= 10 && y <= 12 ? PixelOf(14) : PixelOf(0))
                    << "width " << width << " at " << x << "," << y;
    }
}

TEST(Gfx, PaletteChangesOnlyLaterDrawing) {
    test::Session s(false);
    SetFillStyle(1, 3);
    Bar(0, 0, 9, 9);
    uint16_t before = at(0, 0);
    SetRGBPalette(3, 255, 0, 0);
    EXPECT_EQ(at(0, 0), before);
    Bar(10, 0, 19, 9);
    EXPECT_EQ(at(10, 0), 31 << 10);
    SetPaletteEntry(3, 63, 63, 63);  // 6-bit values are multiplied by 4
    EXPECT_EQ(Palette[3].r, 252);
}

TEST(Gfx, APaletteIndexOfSixteenStopsWithAnAssertion) {
    test::Session s(false);
    SetFillStyle(1, 16);
    EXPECT_THROW(Bar(0, 0, 1, 1), ProgramHalt);
    ASSERT_FALSE(s.platform.messages.empty());
    EXPECT_NE(s.platform.messages.back().find("Assertion failure"), std::string::npos);
    EXPECT_NE(s.platform.messages.back().find("gfx"), std::string::npos);
}

TEST(Gfx, LinesLeaveOutTheirEndPointAndRectanglesTheirInterior) {
    test::Session s(false);
    SetFillStyle(1, 8);
    Bar(0, 0, 639, 479);
    SetColor(14);
    Line(10, 10, 20, 10);
    EXPECT_EQ(at(10, 10), PixelOf(14));
    EXPECT_EQ(at(19, 10), PixelOf(14));
    EXPECT_EQ(at(20, 10), PixelOf(8));
    Rectangle(30, 30, 40, 40);
    EXPECT_EQ(at(30, 30), PixelOf(14));
    EXPECT_EQ(at(40, 40), PixelOf(14));
    EXPECT_EQ(at(35, 35), PixelOf(8));
}

TEST(Gfx, ARectangleRightAfterClearingTheScreenFillsItsInterior) {
    test::Session s(false);
    SetFillStyle(1, 8);
    Bar(0, 0, 639, 479);
    ClearDevice();
    SetFillStyle(1, 8);  // no Bar yet: the brush is still the clearing one
    SetColor(14);
    PutPixel(35, 35, 12);
    Rectangle(30, 30, 40, 40);
    EXPECT_EQ(at(35, 35), PixelOf(0));
}

TEST(Gfx, ImageModesCombineFifteenBitPixels) {
    test::Session s(false);
    SetFillStyle(1, 12);
    Bar(0, 0, 100, 100);
    uint16_t red = PixelOf(12);
    SetRGBPalette(15, 255, 255, 255);
    PutImage(0, 0, solidImage(15).data(), kPutAnd);  // pure white AND: unchanged
    EXPECT_EQ(at(0, 0), red);
    PutImage(30, 0, solidImage(1).data(), kPutOr);
    EXPECT_EQ(at(30, 0), uint16_t(red | PixelOf(1)));
    PutImage(60, 0, solidImage(0).data(), kPutAnd);  // black AND: blacked out
    EXPECT_EQ(at(60, 0), 0);
    EXPECT_EQ(at(84, 0), red);
    PutImage(0, 30, solidImage(9).data(), kPutCopy);
    EXPECT_EQ(at(23, 53), PixelOf(9));
}

TEST(Gfx, ADimTileKeepsOnlyBlue) {
    test::Session s(false);
    PutTile(0, 0, solidImage(15).data(), true);
    EXPECT_EQ(at(0, 0), PixelOf(15) & 0x1F);
    EXPECT_EQ(at(23, 23) >> 5, 0);
    PutTile(24, 0, solidImage(15).data(), false);
    EXPECT_EQ(at(24, 0), PixelOf(15));
}

TEST(Gfx, ScrollUpMovesTheRectangleAndLeavesItsLastRows) {
    test::Session s(false);
    for (int y = 0; y < 64; ++y) {
        SetFillStyle(1, y % 16);
        Bar(0, y, 9, y);
    }
    ScrollUp(0, 16, 10, 48, 16);
    for (int y = 0; y < 48; ++y) EXPECT_EQ(at(3, y), PixelOf((y + 16) % 16)) << y;
    for (int y = 48; y < 64; ++y) EXPECT_EQ(at(3, y), PixelOf(y % 16)) << y;
}

TEST(Gfx, PixelsDoNotPresentButBarsDo) {
    test::Session s(false);
    s.platform.SleepMs(50);
    int before = s.platform.presentCount;
    PutPixel(1, 1, 15);
    EXPECT_EQ(s.platform.presentCount, before);
    SetFillStyle(1, 2);
    Bar(0, 0, 3, 3);
    EXPECT_EQ(s.platform.presentCount, before + 1);
}

// The window is sent only the rows that changed, so every way of drawing
// must report the rows it wrote.
TEST(Gfx, APresentCarriesTheRowsEveryDrawingCallWrote) {
    test::Session s(false);
    auto rowsShown = [&s](auto draw) {
        PresentNow();
        draw();
        PresentNow();
        return std::pair{s.platform.changedTop, s.platform.changedBottom};
    };
    auto image = solidImage(12);
    using Rows = std::pair<int, int>;
    EXPECT_EQ(rowsShown([] { Bar(0, 30, 9, 39); }), Rows(30, 40));
    EXPECT_EQ(rowsShown([] { Bar(0, 470, 9, 900); }), Rows(470, 480));
    EXPECT_EQ(rowsShown([] { Rectangle(5, 50, 20, 60); }), Rows(50, 61));
    EXPECT_EQ(rowsShown([] { Line(5, 70, 5, 80); }), Rows(70, 80));  // the end point is not set
    EXPECT_EQ(rowsShown([] { PutPixel(3, 90, 1); }), Rows(90, 91));
    EXPECT_EQ(rowsShown([&] { PutImage(10, 100, image.data(), kPutOr); }), Rows(100, 124));
    EXPECT_EQ(rowsShown([&] { PutTile(10, 470, image.data(), true); }), Rows(470, 480));
    EXPECT_EQ(rowsShown([&] { PutSpriteOnTile(0, 200, image.data(), image.data(), image.data()); }),
              Rows(200, 224));
    EXPECT_EQ(rowsShown([] { ScrollUp(0, 316, 10, 48, 16); }), Rows(300, 348));
    EXPECT_EQ(rowsShown([] { ClearDevice(); }), Rows(0, 480));
    EXPECT_EQ(rowsShown([] { PutPixel(3, 480, 1); }), Rows(480, 480));  // off the surface: nothing
}

}  // namespace
}  // namespace vela
