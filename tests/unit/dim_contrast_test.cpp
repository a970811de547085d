// Dimmed squares keep only their blue, so at night, at dusk and in every den
// the blue alone must tell a wall from the floor beside it: on every map,
// each wall drawn dimmed differs in mean brightness from each floor it
// borders by at least kMargin of the 31 levels of blue.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <map>
#include <set>
#include <string>
#include <utility>

#include "game/world/map_catalogue.h"
#include "game/world/map_data.h"
#include "screen/gfx.h"
#include "session.h"

namespace vela {
namespace {

// Three levels of 31: below that a dimmed wall and its floor were two
// near-equal shades of navy that nobody could part on a night view.
constexpr double kMargin = 3.0;

// Mean blue of the tile drawn dimmed, in the levels 0..31 of the screen.
double dimMean(int tile) {
    PutTile(0, 0, TileImage(tile), true);
    long sum = 0;
    for (int y = 0; y < 24; ++y)
        for (int x = 0; x < 24; ++x) sum += Screen[y * 640 + x] & 31;
    return double(sum) / (24 * 24);
}

TEST(DimContrast, EveryWallDiffersFromTheFloorBesideItInBlue) {
    test::Session s;
    for (int number = 1; number <= kLastMap; ++number) {
        test::LoadMapAt(number, 10, 10);
        const MapInfo& info = MapInfoOf(number);
        auto is = [&](int tile, TileClass c) { return ClassOfTile(info.kind, tile) == c; };
        std::set<std::pair<int, int>> pairs;  // (wall, floor) side by side somewhere on the map
        for (int y = 1; y <= MapHeight; ++y)
            for (int x = 1; x <= MapWidth; ++x)
                for (auto [nx, ny] : {std::pair{x + 1, y}, std::pair{x, y + 1}}) {
                    if (nx > MapWidth || ny > MapHeight) continue;
                    int a = MapTile(x, y), b = MapTile(nx, ny);
                    if (is(a, TileClass::Blocked) && is(b, TileClass::Floor)) pairs.insert({a, b});
                    if (is(b, TileClass::Blocked) && is(a, TileClass::Floor)) pairs.insert({b, a});
                }
        std::map<int, double> mean;
        for (auto [wall, floor] : pairs)
            for (int tile : {wall, floor})
                if (!mean.count(tile)) mean[tile] = dimMean(tile);
        for (auto [wall, floor] : pairs)
            EXPECT_GE(std::fabs(mean[wall] - mean[floor]), kMargin)
                << info.name << ": wall tile " << wall << " (" << mean[wall] << ") beside floor tile " << floor
                << " (" << mean[floor] << ")";
    }
}

}  // namespace
}  // namespace vela
