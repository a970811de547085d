// The scripts against the maps and the message window, for every map of the
// table: every square a script answers to has the tile class its handler
// needs, the maps' check lines and the scripts' blocks name the same
// squares, and every line fits.
#include <gtest/gtest.h>

#include <filesystem>

#include "game/events/map_script.h"
#include "game/events/one_shot_bits.h"
#include "game/state/party.h"
#include "game/world/map_catalogue.h"
#include "game/world/map_data.h"
#include "world_fixture.h"

namespace vela {
namespace {

TileClass classOf(Handler h) {
    switch (h) {
        case Handler::Special: return TileClass::Special;
        case Handler::Entrance: return TileClass::Entrance;
        case Handler::Sign: return TileClass::Signpost;
        case Handler::Talk: break;
    }
    return TileClass::Person;
}

constexpr Handler kHandlers[] = {Handler::Special, Handler::Entrance, Handler::Sign, Handler::Talk};

TEST(ScriptSquares, HaveTheTileClassTheirHandlerNeedsOnTheBuiltMaps) {
    test::World w;
    for (const MapInfo& map : kMapCatalogue) {
        const mkdata::MapMark arrival = test::MapSourceOf(map.name).entries.at(0);
        w.Enter(map.id, arrival.x, arrival.y);
        const MapScript& script = *ScriptOfMap(map.id);
        for (Handler h : kHandlers) {
            bool any = false;
            for (const Block& block : BlocksOf(script, h)) {
                for (Square s : block.squares)
                    EXPECT_EQ(ClassOfTile(MapKind, MapTile(s.x, s.y)), classOf(h))
                        << map.name << " (" << s.x << "," << s.y << ")";
                any = any || block.squares.empty();
            }
            // A block for any square needs at least one such square on the map.
            if (!any) continue;
            bool found = false;
            for (int x = 1; x <= MapWidth; ++x)
                for (int y = 1; y <= MapHeight; ++y) found = found || ClassOfTile(MapKind, MapTile(x, y)) == classOf(h);
            EXPECT_TRUE(found || (map.id == kRegulus && h == Handler::Talk)) << map.name;
        }
        // The tiles a bit puts back replace a person, a closed door or an
        // unpulled lever (picture 16) of the map file.
        for (const OneShotBit& b : kOneShotBits)
            if (b.map == map.id) {
                TileClass was = ClassOfTile(MapKind, MapTile(b.x, b.y));
                EXPECT_TRUE(was == TileClass::Person || was == TileClass::Entrance || MapTile(b.x, b.y) == 16)
                    << int(b.bit);
            }
    }
}

// The check lines of the map sources and the blocks of the scripts name the
// same squares: every square a block lists has its check line, so the
// builder's checks (the class, the walk from the arrivals) cover it, and
// every checked square the party steps on or bumps into has its block (the
// builder wants a check line on every such tile). People may stand without
// words: the lords of the lairs and the robed figure in the pyramid.
TEST(ScriptSquares, TheMapsCheckLinesAndTheScriptsBlocksNameTheSameSquares) {
    for (const MapInfo& map : kMapCatalogue) {
        mkdata::MapSource source = test::MapSourceOf(map.name);
        auto checked = [&](Handler h, Square s) {
            for (const mkdata::MapMark& m : source.checks)
                if (m.cls == classOf(h) && m.x == s.x && m.y == s.y) return true;
            return false;
        };
        for (Handler h : kHandlers) {
            for (const Block& block : BlocksOf(*ScriptOfMap(map.id), h))
                for (Square s : block.squares)
                    EXPECT_TRUE(checked(h, s)) << map.name << " (" << s.x << "," << s.y << ") has no check line";
            if (h == Handler::Talk) continue;
            for (const mkdata::MapMark& m : source.checks) {
                if (m.cls != classOf(h)) continue;
                EXPECT_NE(BlockAt(map.id, h, m.x, m.y), nullptr) << map.name << " (" << m.x << "," << m.y << ")";
            }
        }
    }
}

// A message line starts at x 260 and a character is drawn only while it
// starts left of x 600: 16 pixels a syllable, 8 an ASCII character.
// The texts of the "..."_j literals of a source file, read pair of quotes by
// pair of quotes (a regular expression recurses once a character and runs
// out of stack on the long stretches between the quotes of a header).
std::vector<std::string> johabLiterals(const std::string& source) {
    std::vector<std::string> found;
    for (std::size_t open = source.find('"'); open != std::string::npos;) {
        std::size_t close = open + 1;
        while (close < source.size() && source[close] != '"') close += source[close] == '\\' ? 2 : 1;
        if (close >= source.size()) break;
        if (source.compare(close + 1, 2, "_j") == 0) found.push_back(source.substr(open + 1, close - open - 1));
        open = source.find('"', close + 1);
    }
    return found;
}

TEST(ScriptWords, EveryLineFitsTheMessageWindow) {
    int checked = 0;
    for (const auto& entry : std::filesystem::directory_iterator(VELA_SOURCE_DIR "/src/game/events")) {
        std::vector<uint8_t> bytes = test::ReadBytes(entry.path());
        std::string source(bytes.begin(), bytes.end());
        for (const std::string& line : johabLiterals(source)) {
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
    EXPECT_GT(checked, 1000);
}

}  // namespace
}  // namespace vela
