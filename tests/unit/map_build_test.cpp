// The map builder must refuse maps on which a scripted square cannot work.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "../../tools/mkdata/maps.h"
#include "game/world/map_catalogue.h"
#include "world_fixture.h"

namespace {

using mkdata::Errors;
using mkdata::MapSource;

// A 12 x 12 town called Tarn: a walled yard whose grid row `r` (1-based) and
// marks can be swapped per test.
std::vector<std::string> smallTown(std::vector<std::string> marks, int changedRow = 0, std::string row = "") {
    std::vector<std::string> lines = {
        "name Tarn", "number 6", "kind town", "size 12 12",
        "legend # 1  # wall", "legend . 44  # paving", "legend G 48  # guard", "legend 0 0  # hidden event",
        "legend S 23  # signpost",
        "grid",
    };
    std::vector<std::string> grid = {
        "############", "############", "############", "############", "############",
        "####....####", "####.G..####", "####....####", "####....####", "############",
        "############", "############",
    };
    if (changedRow) grid[changedRow - 1] = row;
    lines.insert(lines.end(), grid.begin(), grid.end());
    lines.insert(lines.end(), marks.begin(), marks.end());
    return lines;
}

std::vector<std::string> errorsOf(const std::vector<std::string>& lines) {
    Errors errors;
    MapSource map;
    if (mkdata::ParseMapSource(lines, "Tarn.txt", map, errors)) mkdata::ValidateMap(map, errors);
    return errors.list;
}

bool mentions(const std::vector<std::string>& errors, const std::string& text) {
    for (const auto& e : errors)
        if (e.find(text) != std::string::npos) return true;
    return false;
}

TEST(MapBuild, AGoodMapPassesAndIsWrittenRowByRow) {
    auto lines = smallTown({"check 6 7 person  # guard", "entry 5 6"});
    Errors errors;
    MapSource map;
    ASSERT_TRUE(mkdata::ParseMapSource(lines, "Tarn.txt", map, errors));
    mkdata::ValidateMap(map, errors);
    EXPECT_TRUE(errors.list.empty()) << errors.list.front();
    auto bytes = mkdata::EncodeMapFile(map);
    ASSERT_EQ(bytes.size(), 2u + 144u);
    EXPECT_EQ(bytes[0], 12);
    EXPECT_EQ(bytes[1], 12);
    EXPECT_EQ(bytes[2 + 6 * 12 + 5], 48);  // (6,7): row 7, column 6
}

TEST(MapBuild, TilesWithoutAPictureAreRefused) {
    auto lines = smallTown({"entry 5 6"});
    lines.insert(lines.begin() + 4, "legend X 56  # no such tile");
    EXPECT_TRUE(mentions(errorsOf(lines), "has no picture"));

    // A cell set past the legend (as a test or a tool might) is caught too.
    Errors errors;
    MapSource map;
    ASSERT_TRUE(mkdata::ParseMapSource(smallTown({"entry 5 6"}), "Tarn.txt", map, errors));
    map.cells[7 * 12 + 6] = 60;
    mkdata::ValidateMap(map, errors);
    EXPECT_TRUE(mentions(errors.list, "tile 60 at (7,8) has no picture"));
}

TEST(MapBuild, ScriptedSquaresNeedTheirClass) {
    // A person script on a paving square would never run: the party walks onto it.
    auto errors = errorsOf(smallTown({"check 7 7 person  # keeper", "entry 5 6"}));
    EXPECT_TRUE(mentions(errors, "(7,7) [keeper] needs person class, but holds tile 44 (floor)"));

    // An exact tile is required where a script repaints or draws it.
    errors = errorsOf(smallTown({"check 5 6 floor=47", "entry 5 6"}));
    EXPECT_TRUE(mentions(errors, "needs tile 47"));

    // An event square on the map that no script owns.
    errors = errorsOf(smallTown({"entry 5 6"}, 8, "####..0.####"));
    EXPECT_TRUE(mentions(errors, "special tile 0 at (7,8) has no check line"));
}

TEST(MapBuild, ArrivalAndStandSquaresMustLieInThePartyRange) {
    // On a 12 x 12 map the party stands on columns 5..8 and rows 6..7.
    auto errors = errorsOf(smallTown({"entry 7 8  # too low"}));
    EXPECT_TRUE(mentions(errors, "outside the party range"));
    errors = errorsOf(smallTown({"entry 5 6", "check 8 9 special"}, 9, "####...0####"));
    EXPECT_TRUE(mentions(errors, "(8,9) is stood on, but lies outside the party range"));
    // An entry on a wall.
    errors = errorsOf(smallTown({"entry 4 6"}));
    EXPECT_TRUE(mentions(errors, "needs floor class"));
}

TEST(MapBuild, BumpedSquaresInTheMarginAreRefusedByMapAndSquare) {
    // Row 8 of a 12-row map is margin: the step onto the sign is taken back
    // before the sign is looked at, though (6,7) above it is floor in range.
    auto errors = errorsOf(smallTown({"check 6 8 signpost  # the trials", "entry 5 6"}, 8, "####.S..####"));
    EXPECT_TRUE(mentions(errors, "Tarn.txt:"));
    EXPECT_TRUE(mentions(errors, "Tarn (6,8) [the trials] is bumped, but lies outside the party range (columns 5..8, "
                                 "rows 6..7): the step into it is taken back before the square is looked at"));
    // A person in the right-hand margin, bumped from (8,7).
    errors = errorsOf(smallTown({"check 6 7 person", "check 9 7 person  # keeper", "entry 5 6"}, 7, "####.G..G###"));
    EXPECT_TRUE(mentions(errors, "Tarn (9,7) [keeper] is bumped, but lies outside the party range"));
}

TEST(MapBuild, BumpedSquaresNeedAFloorNeighbourTheWalkCanReach) {
    // A guard walled in on all sides cannot be talked to.
    auto lines = smallTown({"check 6 7 person", "entry 8 6"});
    lines[10 + 5] = "####.#..####";
    lines[10 + 6] = "#####G#.####";
    lines[10 + 7] = "####.#..####";
    EXPECT_TRUE(mentions(errorsOf(lines), "no floor square inside the party range touches it"));

    // A signpost whose only floor neighbour lies beyond a wall the party cannot pass.
    lines = smallTown({"check 5 7 signpost", "entry 8 6"}, 7, "####S#..####");
    lines[10 + 5] = "####.#..####";
    lines[10 + 7] = "#####...####";
    auto errors = errorsOf(lines);
    EXPECT_TRUE(mentions(errors, "cannot be reached on foot"));
    lines.push_back("check 5 7 signpost sealed");
    lines.erase(lines.end() - 3);  // drop the unsealed check line
    EXPECT_FALSE(mentions(errorsOf(lines), "cannot be reached"));
}

TEST(MapBuild, MalformedSourcesAreRefused) {
    EXPECT_TRUE(mentions(errorsOf(smallTown({"entry 5 6"}, 7, "####.Q..####")), "'Q' at (6,7) is not in the legend"));
    EXPECT_TRUE(mentions(errorsOf(smallTown({"entry 5 6"}, 7, "####.G..###")), "has 11 cells"));
    auto lines = smallTown({"entry 5 6"});
    lines[3] = "size 201 12";
    EXPECT_TRUE(mentions(errorsOf(lines), "outside 1..200 x 1..125"));
    lines = smallTown({"entry 5 6"});
    lines[1] = "number 7";
    EXPECT_TRUE(mentions(errorsOf(lines), "Tarn is map 6, not 7"));
}

TEST(MapBuild, TheBuilderKnowsEveryMapOfTheTableByItsFileName) {
    for (const vela::MapInfo& info : vela::kMapCatalogue) EXPECT_EQ(mkdata::GameMapNumber(info.name), info.id);
    EXPECT_EQ(mkdata::GameMapNumber("Unknown"), -1) << "the fallback keep has no source";
    EXPECT_EQ(mkdata::GameMapNumber("tarn"), -1);
}

TEST(DenMaps, EveryScriptedSquareCanBeWalkedToFromWhereThePartyArrives) {
    // The builder walks from every arrival square at once; a teleport's landing
    // place could then hide a part of a map the party can never walk into.
    // Each map's first entry is where the party comes in: walk from it alone.
    for (const vela::MapInfo& info : vela::kMapCatalogue) {
        const char* name = info.name;
        MapSource map = vela::test::MapSourceOf(name);
        ASSERT_FALSE(map.entries.empty()) << name;
        map.checks.insert(map.checks.end(), map.entries.begin() + 1, map.entries.end());
        map.entries.resize(1);
        Errors errors;
        mkdata::ValidateMap(map, errors);
        EXPECT_TRUE(errors.list.empty()) << name << ": " << errors.list.front();
    }
}

TEST(DenMaps, RowScriptedDensKeepTheirEventSquaresOnTheirRows) {
    // Evidence tells its special squares apart by row alone, and every special
    // square of Menace's row 45 is its exit: an event square elsewhere would
    // run the wrong script.
    auto specials = [](const MapSource& map) {
        std::vector<std::pair<int, int>> found;
        for (int y = 1; y <= map.height; ++y)
            for (int x = 1; x <= map.width; ++x)
                if (mkdata::ClassOf(map.kind, map.tile(x, y)) == mkdata::TileClass::Special) found.emplace_back(x, y);
        return found;
    };
    auto evidence = specials(vela::test::MapSourceOf("Evidence"));
    EXPECT_EQ(evidence.size(), 6u);
    for (auto [x, y] : evidence) EXPECT_TRUE(y == 12 || y == 15 || y == 35) << "(" << x << "," << y << ")";
    for (auto [x, y] : specials(vela::test::MapSourceOf("Menace")))
        EXPECT_TRUE(y == 45 || (y == 43 && (x == 25 || x == 26))) << "(" << x << "," << y << ")";
}

TEST(GroundMap, RoadsAndBridgesJoinEveryPlace) {
    // A road that bends must still be one road: walking on road, crossing and
    // bridge squares alone leads from Tarn's gate to every other arrival square.
    MapSource ground = vela::test::MapSourceOf("Ground");
    auto onRoad = [&](int x, int y) {
        int tile = ground.tile(x, y);
        return tile == 27 || tile == 30 || tile == 31 || tile == 40;
    };
    auto isEntry = [&](int x, int y) {
        for (const mkdata::MapMark& e : ground.entries)
            if (e.x == x && e.y == y) return true;
        return false;
    };
    auto at = [&](int x, int y) { return size_t((y - 1) * ground.width + x - 1); };
    const std::pair<int, int> steps[] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};
    std::vector<bool> reached(ground.cells.size());
    std::vector<std::pair<int, int>> open = {{20, 12}};
    reached[at(20, 12)] = true;
    while (!open.empty()) {
        auto [x, y] = open.back();
        open.pop_back();
        for (auto [dx, dy] : steps) {
            int nx = x + dx, ny = y + dy;
            if (!ground.inside(nx, ny) || reached[at(nx, ny)] || !(onRoad(nx, ny) || isEntry(nx, ny))) continue;
            reached[at(nx, ny)] = true;
            open.emplace_back(nx, ny);
        }
    }
    for (const mkdata::MapMark& e : ground.entries)
        EXPECT_TRUE(reached[at(e.x, e.y)]) << "(" << e.x << "," << e.y << ") " << e.note;
}

}  // namespace
