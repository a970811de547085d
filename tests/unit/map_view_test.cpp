#include <gtest/gtest.h>

#include <vector>

#include "game/state/party.h"
#include "game/world/map_data.h"
#include "game/world/map_view.h"
#include "golden.h"
#include "screen/gfx.h"
#include "screen/image_cache.h"
#include "session.h"

namespace vela {
namespace {

ViewLight lightAt(int kind, int hour, int minute, int torch = 0) {
    MapKind = uint8_t(kind);
    Party.Hour = uint8_t(hour);
    Party.Minute = uint8_t(minute);
    Party.Flags[FlagTorch] = uint8_t(torch);
    return LightOfView();
}

void expectLight(ViewLight l, bool dim, int rx, int ry) {
    EXPECT_EQ(l.dim, dim);
    if (dim) {
        EXPECT_EQ(l.rx, rx);
        EXPECT_EQ(l.ry, ry);
    }
}

TEST(ViewLight, ByHourKindAndTorch) {
    test::Session s(false);
    expectLight(lightAt(kTown, 12, 0), false, 0, 0);
    expectLight(lightAt(kGround, 18, 30), true, 3, 3);
    expectLight(lightAt(kGround, 18, 10), true, 4, 4);
    expectLight(lightAt(kGround, 6, 50), true, 4, 4);
    expectLight(lightAt(kTown, 23, 0), true, 1, 1);
    expectLight(lightAt(kDen, 12, 0), true, 1, 1);
    expectLight(lightAt(kDen, 12, 0, 8), true, 4, 5);  // the whole view
    expectLight(lightAt(kDen, 12, 0, 1), true, 2, 2);  // 5 x 5
    expectLight(lightAt(kGround, 18, 10, 3), true, 4, 4);  // a weaker torch changes nothing
    expectLight(lightAt(kTown, 12, 0, 8), false, 0, 0);   // daylight needs no torch
}

// Tarn as built, the party at the start square.
void inTarnAt(int x, int y, int hour, int minute) {
    test::LoadMapAt(kTarn, x, y);
    Party.Hour = uint8_t(hour);
    Party.Minute = uint8_t(minute);
    SoundOn = 0;
}

TEST(MapViewGolden, TarnByDayAndAtDusk) {
    test::Session s;
    inTarnAt(10, 48, 12, 0);
    DrawMapView(true);
    test::ExpectMatchesGolden("map_view_day");
    Party.Hour = 18;
    Party.Minute = 30;
    DrawMapView(true);
    test::ExpectMatchesGolden("map_view_dusk");
}

TEST(MapViewGolden, ADenShowsOnlyTheLitCellsAndTheLitMarks) {
    test::Session s;
    inTarnAt(10, 48, 12, 0);
    // Tarn's layout drawn with the den tiles and palette, in the dark.
    test::LoadTileFile("den.fnt");
    std::vector<uint8_t> palette = test::ReadBytes("den.pal");
    ASSERT_EQ(palette.size(), 48u);
    for (int i = 0; i < 16; ++i) SetPaletteEntry(i, palette[3 * i], palette[3 * i + 1], palette[3 * i + 2]);
    MapKind = kDen;
    MapCells[(12 - 1) * kMapRows + (47 - 1)] |= 128;
    DrawMapView(true);
    test::ExpectMatchesGolden("map_view_den");
}

TEST(MapView, RowsAboveTheMapShowTileZero) {
    test::Session s;
    inTarnAt(10, 48, 12, 0);
    PartyY = 3;  // only events can put the party here
    DrawMapView(false);
    // View row 1 shows map row -2: tile 0's image at (24, 24).
    const uint8_t* zero = TileImage(0);
    int colour = ((zero[4] & 0x80) ? 8 : 0) | ((zero[7] & 0x80) ? 4 : 0) | ((zero[10] & 0x80) ? 2 : 0) |
                 ((zero[13] & 0x80) ? 1 : 0);
    EXPECT_EQ(Screen[24 * 640 + 24], PixelOf(colour));
}

}  // namespace
}  // namespace vela
