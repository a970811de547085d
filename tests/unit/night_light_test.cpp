// Tarn at night: the dimmed squares of the view must fall clearly darker
// than the squares drawn at full colour (the lit ring round the party and
// the lamps of shops and halls), wherever the party stands.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>

#include "game/state/party.h"
#include "game/world/map_data.h"
#include "game/world/map_view.h"
#include "screen/gfx.h"
#include "session.h"

namespace vela {
namespace {

// Brightest of red, green and blue of a 5-5-5 screen pixel.
int brightness(uint16_t pixel) {
    return std::max({(pixel >> 10) & 31, (pixel >> 5) & 31, pixel & 31});
}

struct Sums {
    double dim = 0, lit = 0;
    long dimPixels = 0, litPixels = 0;
    double ratio() const { return (dim / double(dimPixels)) / (lit / double(litPixels)); }
};

// Adds the view drawn with the party at its current square.
void addView(Sums& sums) {
    ViewLight light = LightOfView();
    DrawMapView(true);
    for (int j = 1; j <= 11; ++j) {
        for (int i = 1; i <= 9; ++i) {
            bool inRing = i >= 5 - light.rx && i <= 5 + light.rx && j >= 6 - light.ry && j <= 6 + light.ry;
            bool dimmed = !inRing && !CellLit(PartyX - 5 + i, PartyY - 6 + j);
            long total = 0;
            for (int y = 0; y < 24; ++y)
                for (int x = 0; x < 24; ++x) total += brightness(Screen[(24 * j + y) * 640 + 24 * i + x]);
            (dimmed ? sums.dim : sums.lit) += double(total);
            (dimmed ? sums.dimPixels : sums.litPixels) += 24 * 24;
        }
    }
}

struct Night {
    Sums whole;
    double worst = 0;
    int worstX = 0, worstY = 0;
};

// Every other square of the map's range at 23:00 without a torch; `skip`
// leaves out squares the party never stands on.
template <typename Skip>
Night measureNight(int mapNumber, Skip skip) {
    test::LoadMapAt(mapNumber, 10, 48);
    Party.Hour = 23;
    Party.Minute = 0;
    Party.Flags[FlagTorch] = 0;
    SoundOn = 0;
    Night night;
    for (int y = 6; y <= MapHeight - 5; y += 2) {
        for (int x = 5; x <= MapWidth - 4; x += 2) {
            if (skip(MapTile(x, y))) continue;
            PartyX = x;
            PartyY = y;
            Sums view;
            addView(view);
            night.whole.dim += view.dim;
            night.whole.lit += view.lit;
            night.whole.dimPixels += view.dimPixels;
            night.whole.litPixels += view.litPixels;
            if (view.ratio() > night.worst) {
                night.worst = view.ratio();
                night.worstX = x;
                night.worstY = y;
            }
        }
    }
    return night;
}

TEST(NightLight, DimmedSquaresOfTarnAtElevenAreAtMostHalfAsBrightAsLitOnes) {
    test::Session s;
    // Walls and water included: wherever the view can be centred.
    Night night = measureNight(6, [](int) { return false; });
    std::printf("Tarn at 23:00: dimmed / lit brightness %.2f over all views, %.2f at worst (%d,%d)\n",
                night.whole.ratio(), night.worst, night.worstX, night.worstY);
    // About half wherever the party stands; far less over the town as a whole.
    EXPECT_LE(night.worst, 0.55) << "at (" << night.worstX << "," << night.worstY << ")";
    EXPECT_LE(night.whole.ratio(), 0.35);
}

TEST(NightLight, TheGroundFallsDarkAroundTheParty) {
    test::Session s;
    // On land: only water keeps its blue at night, and the sea is seen from the shore.
    Night night = measureNight(1, [](int tile) { return tile == 19 || tile == 48; });
    std::printf("Ground at 23:00: dimmed / lit brightness %.2f over all views, %.2f at worst (%d,%d)\n",
                night.whole.ratio(), night.worst, night.worstX, night.worstY);
    EXPECT_LE(night.whole.ratio(), 0.33);
}

}  // namespace
}  // namespace vela
