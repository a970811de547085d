// The scripts against the built maps and the message window: every square a
// script answers to has the tile class its handler needs, every scripted
// square of the world's list has its block, and every line fits.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>

#include "game/events/map_script.h"
#include "game/events/one_shot_bits.h"
#include "game/state/party.h"
#include "game/world/map_catalogue.h"
#include "game/world/map_data.h"
#include "world_fixture.h"

namespace vela {
namespace {

constexpr int kScriptedMaps[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18};

TileClass classOf(Handler h) {
    switch (h) {
        case Handler::Special: return TileClass::Special;
        case Handler::Entrance: return TileClass::Entrance;
        case Handler::Sign: return TileClass::Signpost;
        case Handler::Talk: break;
    }
    return TileClass::Person;
}

TEST(ScriptSquares, HaveTheTileClassTheirHandlerNeedsOnTheBuiltMaps) {
    test::World w;
    for (int map : kScriptedMaps) {
        w.Enter(MapId(map), MapInfoOf(map).kind == kGround ? 20 : 25, 40);
        const MapScript& script = *ScriptOfMap(map);
        for (Handler h : {Handler::Special, Handler::Entrance, Handler::Sign, Handler::Talk}) {
            bool any = false;
            for (const Block& block : BlocksOf(script, h)) {
                for (Square s : block.squares)
                    EXPECT_EQ(ClassOfTile(MapKind, MapTile(s.x, s.y)), classOf(h))
                        << "map " << map << " (" << s.x << "," << s.y << ")";
                any = any || block.squares.empty();
            }
            // A block for any square needs at least one such square on the map.
            if (!any) continue;
            bool found = false;
            for (int x = 1; x <= MapWidth; ++x)
                for (int y = 1; y <= MapHeight; ++y) found = found || ClassOfTile(MapKind, MapTile(x, y)) == classOf(h);
            EXPECT_TRUE(found || (map == 9 && h == Handler::Talk)) << "map " << map;
        }
        // The tiles a bit puts back replace a person, a closed door or an
        // unpulled lever (picture 16) of the map file.
        for (const OneShotBit& b : kOneShotBits)
            if (b.map == map) {
                TileClass was = ClassOfTile(MapKind, MapTile(b.x, b.y));
                EXPECT_TRUE(was == TileClass::Person || was == TileClass::Entrance || MapTile(b.x, b.y) == 16)
                    << int(b.bit);
            }
    }
}

TEST(ScriptSquares, EveryListedScriptedSquareHasItsBlock) {
    struct Listed {
        int map;
        Handler h;
        std::vector<Square> squares;
    };
    const std::vector<Listed> listed = {
        {1, Handler::Special, {{82, 9}}},
        {1, Handler::Entrance, {{20, 11}, {76, 57}, {17, 89}, {84, 86}}},
        {2, Handler::Special, {{157, 94}, {157, 108}, {171, 94}, {170, 108}, {186, 95}, {186, 108}, {144, 56}, {146, 57}}},
        {2, Handler::Entrance, {{100, 100}, {16, 16}, {149, 65}}},
        {2, Handler::Sign, {{82, 101}, {143, 116}, {30, 100}}},
        {10, Handler::Special, {{25, 43}, {26, 43}}},
        {11, Handler::Entrance, {{25, 7}, {26, 7}}},
        {12, Handler::Entrance, {{25, 28}, {26, 28}}},
        {6, Handler::Talk, {{21, 12}, {25, 13}, {86, 12}, {87, 14}, {14, 73}, {8, 71}, {14, 69}, {87, 73}, {91, 65},
                            {94, 68}, {24, 50}, {24, 54}, {19, 53}, {13, 55}, {13, 27}, {18, 27}, {21, 36}, {18, 38},
                            {15, 35}, {13, 32}, {18, 33}, {10, 30}, {72, 78}, {67, 76}, {50, 11}, {53, 11}, {41, 10},
                            {40, 15}, {63, 10}, {60, 15}, {42, 78}, {42, 80}, {79, 47}, {79, 49}, {85, 48}, {90, 47},
                            {89, 23}, {21, 33}, {9, 64}, {88, 38}, {51, 87}, {85, 55}, {72, 73}, {51, 14}, {91, 81},
                            {58, 74}, {33, 80}, {90, 59}, {63, 27}, {51, 72}, {50, 51}, {52, 51}, {51, 28}}},
        {6, Handler::Special, {{90, 40}, {90, 41}, {90, 42}, {90, 43}, {90, 44}, {82, 52}, {84, 52}, {89, 52},
                               {91, 52}, {5, 47}, {5, 48}, {5, 49}, {51, 88}, {38, 26}, {65, 28}, {78, 85}}},
        {6, Handler::Sign, {{48, 41}, {54, 18}, {22, 21}, {19, 41}, {73, 45}, {85, 20}, {21, 69}, {84, 60}, {29, 68}}},
        {7, Handler::Talk, {{16, 24}, {21, 21}, {24, 19}, {18, 19}, {17, 56}, {17, 58}, {17, 60}, {59, 60}, {59, 58},
                            {59, 56}, {57, 17}, {54, 20}, {58, 22}, {59, 25}, {37, 41}, {40, 41}, {36, 19}, {36, 21},
                            {41, 20}, {41, 22}, {41, 18}, {21, 61}, {56, 59}, {60, 42}, {61, 46}, {47, 36}, {54, 56},
                            {38, 17}}},
        {7, Handler::Special, {{38, 65}, {39, 65}, {38, 41}, {39, 41}}},
        {7, Handler::Entrance, {{7, 11}}},
        {7, Handler::Sign, {{10, 12}, {41, 42}, {36, 62}}},
        {9, Handler::Special, {{18, 30}}},
        {9, Handler::Talk, {{40, 13}}},
    };
    for (const Listed& l : listed)
        for (Square s : l.squares)
            EXPECT_NE(BlockAt(l.map, l.h, s.x, s.y), nullptr) << "map " << l.map << " (" << s.x << "," << s.y << ")";
}

// A message line starts at x 260 and a character is drawn only while it
// starts left of x 600: 16 pixels a syllable, 8 an ASCII character.
TEST(ScriptWords, EveryLineFitsTheMessageWindow) {
    const std::regex literal(R"re("((?:[^"\\]|\\.)*)"_j)re");
    int checked = 0;
    for (const auto& entry : std::filesystem::directory_iterator(VELA_SOURCE_DIR "/src/game/events")) {
        std::ifstream in(entry.path());
        std::stringstream text;
        text << in.rdbuf();
        std::string source = text.str();
        for (std::sregex_iterator it(source.begin(), source.end(), literal), end; it != end; ++it) {
            std::string line = (*it)[1];
            int x = 260;
            for (std::size_t i = 0; i < line.size();) {
                unsigned char c = static_cast<unsigned char>(line[i]);
                int bytes = c < 0x80 ? 1 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4;
                EXPECT_LT(x + 8, 608) << entry.path().filename() << ": " << line;
                if (x + 8 >= 608) ADD_FAILURE() << line;
                if (x + 8 >= 608) break;
                x += bytes == 1 ? 8 : 16;
                i += bytes;
            }
            ++checked;
        }
    }
    EXPECT_GT(checked, 300);
}

}  // namespace
}  // namespace vela
