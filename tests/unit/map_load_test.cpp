#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "game/save/saved_game.h"
#include "game/state/party.h"
#include "game/world/map_data.h"
#include "game/world/map_view.h"
#include "screen/gfx.h"
#include "screen/johab.h"
#include "session.h"
#include "runtime/halt.h"

namespace vela {
namespace {

// A map file: width, height, then the cells row by row.
std::string mapFile(int width, int height, int (*tileAt)(int x, int y)) {
    std::string bytes{char(width), char(height)};
    for (int y = 1; y <= height; ++y)
        for (int x = 1; x <= width; ++x) bytes += char(tileAt(x, y));
    return bytes;
}

std::string lastMessage(const test::Session& s) { return s.platform.messages.empty() ? "" : s.platform.messages.back(); }

TEST(LoadMap, StoresCellsColumnByColumnAndKeepsTheLitMark) {
    test::Session s;
    s.WriteFile("Tarn.map", mapFile(64, 40, [](int x, int y) { return (x == 64 && y == 40) ? 128 | 33 : (x + y) % 40 + 1; }));
    test::LoadMapAt(6, 10, 20);
    EXPECT_EQ(MapWidth, 64);
    EXPECT_EQ(MapHeight, 40);
    EXPECT_EQ(MapCells[63 * 125 + 39], 128 | 33);
    EXPECT_EQ(MapTile(64, 40), 33);
    EXPECT_EQ(MapTile(3, 2), 6);
    SetMapTile(64, 40, 47);
    EXPECT_EQ(MapCells[63 * 125 + 39], 128 | 47);
    EXPECT_EQ(MapKind, kTown);
    EXPECT_EQ(MapChanged, 1);
    EXPECT_EQ(PartyX, 10);
    EXPECT_EQ(PartySprite, 1);  // entered at y 20 of 40 rows: facing up
}

TEST(LoadMap, FacingKindAndOptionsAreSettledOnEveryLoad) {
    test::Session s;
    s.WriteFile("Ground.map", mapFile(40, 40, [](int, int) { return 41; }));
    Party.Flags[FlagTemperament] = 5;
    Party.Flags[FlagMaxEnemies] = 8;
    Party.Flags[FlagBackdrop] = 9;
    test::LoadMapAt(1, 10, 19);
    EXPECT_EQ(PartySprite, 4);  // y 19: facing down, outside a town
    EXPECT_EQ(Party.Flags[FlagTemperament], 2);
    EXPECT_EQ(Party.Flags[FlagMaxEnemies], 5);
    EXPECT_EQ(BackdropMode, 0);
    // Slot 0 now shows the overworld's base tile 41.
    EXPECT_TRUE(std::equal(TileImage(0), TileImage(0) + kImageSlotBytes, TileImage(41)));
}

TEST(LoadMap, UnknownNumbersLoadTheUnknownKeep) {
    test::Session s;
    s.WriteFile("Unknown.map", mapFile(20, 20, [](int, int) { return 44; }));
    for (int number : {0, 19, 26}) {
        test::LoadMapAt(number, 10, 9);
        EXPECT_EQ(MapKind, kKeep);
        EXPECT_STREQ(MapInfoOf(Party.MapNumber).tune, "Music5.Bgm");
    }
    EXPECT_EQ(PartySprite, 4);  // facing down; map 26 is not a town
}

TEST(LoadMap, ThePyramidShowsItsHiddenSquaresAsWater) {
    test::Session s;
    s.WriteFile("Pyramid.map", mapFile(30, 30, [](int, int) { return 44; }));
    test::LoadMapAt(2, 10, 10);
    EXPECT_TRUE(std::equal(TileImage(52), TileImage(52) + kImageSlotBytes, TileImage(48)));
    EXPECT_TRUE(std::equal(TileImage(0), TileImage(0) + kImageSlotBytes, TileImage(44)));
}

TEST(LoadMap, MissingOrBrokenFilesAreReportedByNameAndHalt) {
    struct Case {
        const char* what;
        std::string file;  // empty: no map file at all
        std::string report;
    };
    const Case cases[] = {
        {"missing", "", "ERROR: \"Tarn.map\" not found."},
        {"short", mapFile(30, 30, [](int, int) { return 44; }).substr(0, 500),
         "ERROR: \"Tarn.map\" is damaged: it is short: 498 of 900 cells."},
        {"wider than the buffer", std::string{char(201), char(10)} + std::string(2010, char(44)),
         "ERROR: \"Tarn.map\" is damaged: its size 201 x 10 does not fit 200 x 125."},
        {"higher than the buffer", std::string{char(10), char(126)} + std::string(1260, char(44)),
         "ERROR: \"Tarn.map\" is damaged: its size 10 x 126 does not fit 200 x 125."},
        {"a tile without a picture", mapFile(30, 30, [](int x, int) { return x == 7 ? 56 : 44; }),
         "ERROR: \"Tarn.map\" is damaged: a cell holds tile 56, which has no picture."},
        {"a byte after the cells", mapFile(30, 30, [](int, int) { return 44; }) + char(44),
         "ERROR: \"Tarn.map\" is damaged: it goes on after its 900 cells."},
        {"a byte after the largest map", mapFile(200, 125, [](int, int) { return 44; }) + char(44),
         "ERROR: \"Tarn.map\" is damaged: it goes on after its 25000 cells."},
    };
    for (const Case& c : cases) {
        test::Session s;
        std::filesystem::remove(s.dir / "Tarn.map");
        if (!c.file.empty()) s.WriteFile("Tarn.map", c.file);
        MapCells.fill(9);
        EXPECT_THROW(test::LoadMapAt(6, 10, 10), ProgramHalt) << c.what;
        EXPECT_EQ(lastMessage(s), c.report) << c.what;
        EXPECT_EQ(MapCells[0], 9) << c.what << ": nothing may be written before the refusal";
    }
}

TEST(LoadMap, TheLargestMapLoadsWhole) {
    test::Session s;
    s.WriteFile("Tarn.map", mapFile(200, 125, [](int x, int y) { return x == 200 && y == 125 ? 33 : 44; }));
    test::LoadMapAt(6, 10, 10);
    EXPECT_EQ(MapWidth, 200);
    EXPECT_EQ(MapHeight, 125);
    EXPECT_EQ(MapTile(200, 125), 33);
}

// Palette components are 6-bit: 63 is the brightest a palette file may hold,
// and a file with a larger one is refused before any colour changes.
TEST(LoadMap, PaletteComponentsAboveSixtyThreeAreDamage) {
    const struct {
        int byte, value;
        const char* report;  // empty: the value loads
    } cases[] = {
        {0, 64, "entry 0 has red 64, above 63"},
        {10, 70, "entry 3 has green 70, above 63"},
        {47, 255, "entry 15 has blue 255, above 63"},
        {10, 63, ""},
        {47, 63, ""},
    };
    for (const auto& c : cases) {
        test::Session s;
        s.WriteFile("Tarn.map", mapFile(30, 30, [](int, int) { return 44; }));
        std::vector<uint8_t> palette = test::ReadBuiltData("town.pal");
        palette[std::size_t(c.byte)] = uint8_t(c.value);
        s.WriteFile("town.pal", std::string(palette.begin(), palette.end()));
        const auto before = Palette;
        if (*c.report) {
            EXPECT_THROW(test::LoadMapAt(6, 10, 10), ProgramHalt) << c.report;
            EXPECT_EQ(lastMessage(s), std::string("ERROR: \"town.pal\" is damaged: ") + c.report + ".");
            EXPECT_EQ(std::memcmp(&before, &Palette, sizeof before), 0) << c.report << ": the palette changed";
        } else {
            test::LoadMapAt(6, 10, 10);
            const Rgb& entry = Palette[std::size_t(c.byte / 3)];
            const uint8_t shown[3] = {entry.r, entry.g, entry.b};
            EXPECT_EQ(shown[c.byte % 3], 252) << "byte " << c.byte << " of 63 shows as 252";
        }
    }
}

TEST(LoadMap, MissingImagesAndPalettesAreReportedByName) {
    for (const char* file : {"chara.fnt", "town.fnt", "town.pal"}) {
        test::Session s;
        s.WriteFile("Tarn.map", mapFile(30, 30, [](int, int) { return 44; }));
        std::filesystem::remove(s.dir / file);
        EXPECT_THROW(test::LoadMapAt(6, 10, 10), ProgramHalt) << file;
        EXPECT_EQ(lastMessage(s), std::string("ERROR: \"") + file + "\" not found.");
    }
}

TEST(LoadMap, AContinuedGameReadsThePartyAndTheSavedMapOfSlotOne) {
    test::Session s;
    Member[1].Name.set("레온"_j);
    Party.MapNumber = kTarn;
    Party.SavedX = 12;
    Party.SavedY = 34;
    Party.Gold = 777;
    std::vector<uint8_t> image = SavedGameImage();
    s.WriteFile("player1.dat", std::string(image.begin(), image.end()));
    std::string saved{char(50), char(60)};
    saved += std::string(25000, char(45));
    saved[2 + 11 * 125 + 33] = char(128 | 30);
    s.WriteFile("save1.map", saved);
    ResetGameState();
    MapLoaded = 0;
    RestorePending = 1;
    LoadMapOrRestore();
    EXPECT_EQ(+Party.Gold, 777);
    EXPECT_EQ(PartyX, 12);
    EXPECT_EQ(MapWidth, 50);
    EXPECT_EQ(MapCells[11 * 125 + 33], 128 | 30);
    // Later loads read the map file again.
    s.WriteFile("Tarn.map", mapFile(30, 30, [](int, int) { return 44; }));
    LoadMapOrRestore();
    EXPECT_EQ(MapWidth, 30);
}

// A continued game whose files cannot be played names the file at fault and
// what is wrong with it; only damage in the save points to its backups.
TEST(LoadMap, AContinuedGameNamesTheDamagedFileAndWhatIsWrong) {
    using Bytes = std::vector<uint8_t>;
    std::mt19937 random(4);
    Bytes noise(22802);
    for (uint8_t& b : noise) b = uint8_t(random());
    noise[0] = noise[1] = 30;  // a size that leaves the party's (10,48) outside
    const std::string backups = "; the previous save is in player1.dat.bak and save1.map.bak.";
    struct Case {
        const char* what;
        std::function<void(Bytes& player, Bytes& map)> damage;
        std::string report;  // a prefix when it does not end with "."
    };
    const Case cases[] = {
        {"a cut saved map", [](Bytes&, Bytes& map) { map.resize(1000); },
         "ERROR: \"save1.map\" is damaged: 파일이 잘려 있습니다 (25002 바이트 중 1000 바이트)" + backups},
        {"a saved map of width 0", [](Bytes&, Bytes& map) { map[0] = 0; },
         "ERROR: \"save1.map\" is damaged: 맵 크기가 1..200 x 1..125 밖입니다: 0 x 95" + backups},
        {"a saved map too narrow for the party", [](Bytes&, Bytes& map) { map[0] = 12; },
         "ERROR: \"save1.map\" is damaged: 맵 크기 12 x 95 안에 일행의 위치 (10,48)이 들지 않습니다" + backups},
        {"a position outside any map", [](Bytes& player, Bytes&) { player[8] = 250; },
         "ERROR: \"player1.dat\" is damaged: 위치 (250,48)이 맵 밖입니다" + backups},
        {"a damaged map file of the game",
         [&noise](Bytes& player, Bytes& map) {
             player[7] = kPyramid;
             map.clear();
             std::ofstream("Pyramid.map", std::ios::binary).write(reinterpret_cast<const char*>(noise.data()), 22802);
         },
         "ERROR: \"Pyramid.map\" is damaged: "},
    };
    for (const Case& c : cases) {
        test::Session s;
        Member[1].Name.set("레온"_j);
        test::LoadMapAt(kTarn, 10, 48);
        std::string error;
        ASSERT_TRUE(SaveGame(error) && SaveGame(error)) << error;  // the second keeps the first as backups
        Bytes player = test::ReadBytes("player1.dat"), map = test::ReadBytes("save1.map");
        c.damage(player, map);
        s.WriteFile("player1.dat", std::string(player.begin(), player.end()));
        if (map.empty())
            std::filesystem::remove("save1.map");
        else
            s.WriteFile("save1.map", std::string(map.begin(), map.end()));
        ResetGameState();
        ResetMapState();
        RestorePending = 1;
        EXPECT_THROW(LoadMapOrRestore(), ProgramHalt) << c.what;
        std::string report = lastMessage(s);
        if (c.report.back() == '.') {
            EXPECT_EQ(report, c.report) << c.what;
        } else {
            EXPECT_EQ(report.rfind(c.report, 0), 0u) << report;
            EXPECT_EQ(report.find("bak"), std::string::npos) << report;
        }
    }
}

TEST(LoadMap, AContinuedGameWithoutASavedPartyEndsWithItsName) {
    test::Session s;
    RestorePending = 1;
    EXPECT_THROW(LoadMapOrRestore(), ProgramHalt);
    EXPECT_EQ(lastMessage(s), "ERROR: \"player1.dat\" not found.");
}

}  // namespace
}  // namespace vela
