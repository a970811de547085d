// Dimmed squares keep only their blue, so at dusk, at night and in every den
// the blue alone must tell a wall from the floor beside it. For each tile set,
// every wall that stands beside a floor somewhere on the maps of its kind
// differs from that floor, both drawn dimmed, in mean brightness by at least
// kMargin of the 31 levels of blue.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <string>
#include <utility>

#include "game/world/map_catalogue.h"
#include "game/world/map_data.h"
#include "screen/gfx.h"
#include "session.h"

namespace vela {
namespace {

// Three levels of 31: below that a dimmed wall and its floor are two
// near-equal shades of navy that nobody can part on a night view.
constexpr double kMargin = 3.0;

// Mean blue of the tile drawn dimmed, in the levels 0..31 of the screen.
double dimMean(int tile) {
    PutTile(0, 0, TileImage(tile), true);
    long sum = 0;
    for (int y = 0; y < 24; ++y)
        for (int x = 0; x < 24; ++x) sum += Screen[y * 640 + x] & 31;
    return double(sum) / (24 * 24);
}

// A wall and a floor side by side: their dimmed means, where they meet
// (the first map) and how many times in all.
struct Meeting {
    double wall = 0, floor = 0;
    std::string map;
    int count = 0;
};
using Pairs = std::map<std::pair<int, int>, Meeting>;  // (wall, floor)

// Walls beside floors on the loaded map, in its tile set's numbers, measured
// with the map's own images. A square with the lit mark is never dimmed, and
// a hidden event square is drawn as the map's base floor, so it counts as one.
void addPairs(const MapInfo& info, Pairs& pairs) {
    auto drawn = [&](int x, int y) {
        int tile = MapTile(x, y);
        return tile == 0 && info.baseTile > 0 ? info.baseTile : tile;
    };
    auto is = [&](int tile, TileClass c) {
        return tile == 0 ? c == TileClass::Floor : ClassOfTile(info.kind, tile) == c;
    };
    auto meet = [&](int wall, int floor) {
        Meeting& m = pairs[{wall, floor}];
        if (m.count++ == 0) {
            m.wall = dimMean(wall);
            m.floor = dimMean(floor);
            m.map = info.name;
        }
    };
    for (int y = 1; y <= MapHeight; ++y)
        for (int x = 1; x <= MapWidth; ++x)
            for (auto [nx, ny] : {std::pair{x + 1, y}, std::pair{x, y + 1}}) {
                if (nx > MapWidth || ny > MapHeight || CellLit(x, y) || CellLit(nx, ny)) continue;
                int a = drawn(x, y), b = drawn(nx, ny);
                if (is(a, TileClass::Blocked) && is(b, TileClass::Floor)) meet(a, b);
                if (is(b, TileClass::Blocked) && is(a, TileClass::Floor)) meet(b, a);
            }
}

TEST(DimContrast, EveryWallDiffersFromTheFloorBesideItInBlue) {
    test::Session s;
    int checked = 0;
    double closest = 31;
    for (int kind : {kTown, kGround, kDen, kKeep}) {
        Pairs pairs;
        for (int number = 1; number <= kLastMap; ++number) {
            if (MapInfoOf(number).kind != kind) continue;
            test::LoadMapAt(number, 10, 10);
            addPairs(MapInfoOf(number), pairs);
        }
        ASSERT_FALSE(pairs.empty()) << kTileSetNames[kind];
        for (const auto& [tiles, m] : pairs) {
            double difference = std::fabs(m.wall - m.floor);
            closest = std::min(closest, difference);
            ++checked;
            EXPECT_GE(difference, kMargin) << kTileSetNames[kind] << ": wall tile " << tiles.first << " (" << m.wall
                                           << ") beside floor tile " << tiles.second << " (" << m.floor << "), "
                                           << m.count << " times, first in " << m.map;
        }
    }
    std::printf("%d wall and floor pairs, the closest %.2f levels of blue apart\n", checked, closest);
}

}  // namespace
}  // namespace vela
