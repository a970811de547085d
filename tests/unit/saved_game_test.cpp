// Saved games: the exact bytes, the checksums, a save that fails or is cut
// short at any step, the backup pair, links and temporaries, what counts as
// a damaged save, and the restore dialog.
#include <gtest/gtest.h>
#include <sys/mount.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "app/play_game.h"
#include "files/durable_file.h"
#include "game/save/save_dialogs.h"
#include "game/save/saved_game.h"
#include "game/state/party.h"
#include "game/save/end_of_game.h"
#include "game/world/map_data.h"
#include "screen/johab.h"
#include "screen/text_output.h"
#include "session.h"
#include "runtime/halt.h"
#include "runtime/key_queue.h"

namespace vela {
namespace {

namespace fs = std::filesystem;

// A fresh game on 타른 at (10, 48), as the story opens.
void startOnTarn() {
    Member[1].Name.set("레온"_j);
    Member[1].Level = 1;
    Member[1].Endurance = 15;
    Member[1].HP = 150;
    test::LoadMapAt(6, 10, 48);
}

bool save(char slot) {
    SaveSlot = slot;
    std::string error;
    bool ok = SaveGame(error);
    SaveSlot = '1';
    return ok;
}

// A slot's two files as bytes; a missing file reads as none.
struct Pair {
    std::vector<uint8_t> player, map;
    bool operator==(const Pair&) const = default;
};
Pair livePair(char slot) { return {test::ReadBytes(PlayerFileName(slot)), test::ReadBytes(SavedMapName(slot))}; }
Pair backupPair(char slot) {
    return {test::ReadBytes(PlayerFileName(slot) + ".bak"), test::ReadBytes(SavedMapName(slot) + ".bak")};
}
// What a save of the game in memory wrote (or would have).
Pair memoryPair() { return {SavedGameImage(), SavedMapImage()}; }

// Gives the game its own gold and last cell (beyond the map's edge), so
// that both files of each of its saves differ from other saves'.
void mark(int32_t gold) {
    Party.Gold = gold;
    MapCells.back() = uint8_t(gold);
}

// The temporary files in the folder.
std::vector<std::string> leftovers() {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator("."))
        if (std::string name = entry.path().filename().string(); name.ends_with(".new") || name.ends_with(".tmp"))
            names.push_back(name);
    return names;
}

TEST(SaveGame, ChecksumsSumTheDesignedBytesAndLeaveTheSwapSlotOut) {
    test::Session s(false);
    Party.Year = 0x0306;        // low byte 6 counts, 3 does not
    Party.Day = 0x7777;         // not summed
    Party.MapNumber = kTarn;
    Party.SavedX = 10;
    Party.SavedY = 48;
    Party.Food = 7;
    Party.Gold = 0x01020304;    // low byte 4
    Party.Arrows = 0x0105;      // low byte 5
    Party.Items[1] = 3;
    Party.Flags[10] = 2;
    Party.Flags[100] = 200;
    EXPECT_EQ(PartyChecksumOf(), uint8_t(6 + 6 + 10 + 48 + 7 + 4 + 5 + 3 + 2 + 200));

    Member[1].Name.set("abc");  // names are not summed
    Member[1].Class = 2;
    Member[1].HP = 0x0203;      // low byte 3
    Member[1].Family = 1;       // not summed
    Member[1].Skills[6] = 9;
    Member[6].Poison = 1;
    Member[kSwapSlot].Class = 99;
    Member[kSwapSlot].HP = 99;
    EXPECT_EQ(MemberChecksumOf(), 2 + 3 + 9 + 1);
}

TEST(SaveGame, WritesTheRecordsAndTheWholeCellBufferByteForByte) {
    test::Session s;
    startOnTarn();
    PartyX = 12;
    PartyY = 50;
    SetMapTile(12, 50, 30);
    MapCells[(150 - 1) * 125 + (120 - 1)] = 0x85;  // beyond the map, lit mark set
    Member[kSwapSlot].Name.set("swap");
    ASSERT_TRUE(save('5'));

    std::vector<uint8_t> player = test::ReadBytes("player5.dat");
    ASSERT_EQ(player.size(), 556u);
    EXPECT_EQ(player[8], 12);
    EXPECT_EQ(player[9], 50);
    EXPECT_EQ(player[17], PartyChecksumOf());
    EXPECT_EQ(player[18], MemberChecksumOf());
    EXPECT_EQ(player, SavedGameImage());
    EXPECT_EQ(player[129 + 6 * 61 + 1], 's') << "slot 7 is saved too";

    std::vector<uint8_t> map = test::ReadBytes("save5.map");
    ASSERT_EQ(map.size(), 25002u);
    EXPECT_EQ(map[0], MapWidth);
    EXPECT_EQ(map[1], MapHeight);
    EXPECT_EQ(map[2 + 11 * 125 + 49] & 127, 30);
    EXPECT_EQ(map[2 + 149 * 125 + 119], 0x85);
    EXPECT_EQ(SaveSlot, '1');
    EXPECT_FALSE(fs::exists("player5.dat.new") || fs::exists("save5.map.new"));
}

TEST(SaveGame, KeepsThePreviousPairAsBackup) {
    test::Session s;
    startOnTarn();
    ASSERT_TRUE(save('3'));
    std::vector<uint8_t> oldPlayer = test::ReadBytes("player3.dat"), oldMap = test::ReadBytes("save3.map");
    Party.Gold = 999;
    SetMapTile(11, 48, 31);
    ASSERT_TRUE(save('3'));
    EXPECT_EQ(test::ReadBytes("player3.dat.bak"), oldPlayer);
    EXPECT_EQ(test::ReadBytes("save3.map.bak"), oldMap);
    EXPECT_EQ(test::ReadBytes("player3.dat"), SavedGameImage());
}

// Whatever step fails (a full disk) or is cut short (a kill), once the slot
// has been looked at its live pair is the previous save or the new one, its
// backup pair the save before or the previous one, each whole, and no
// temporary is left. A failure before the new player file is committed
// leaves the previous save, and the new save always has the previous one as
// its backup, also when that one was a player file without a map.
TEST(SaveGame, AFailureOrACrashAtAnyStepLeavesBothPairsWhole) {
    for (bool previousHasMap : {true, false}) {
        for (bool crash : {false, true}) {
            for (int at = 0; at <= int(SaveStep::SyncFolder); ++at) {
                std::string what = std::string(crash ? "crash" : "failure") + " at step " + std::to_string(at) +
                                   (previousHasMap ? "" : ", previous save without a map");
                test::Session s;
                startOnTarn();
                mark(1);
                ASSERT_TRUE(save('2'));
                Pair older = memoryPair();
                mark(2);
                ASSERT_TRUE(save('2'));
                Pair previous = memoryPair();
                if (!previousHasMap) {
                    fs::remove("save2.map");
                    previous.map.clear();
                }
                bool reached = false;
                SetSaveFaultHook([&](SaveStep step) {
                    if (int(step) != at) return 0;
                    reached = true;
                    if (crash) throw std::runtime_error("killed");
                    return ENOSPC;
                });
                mark(3);
                SaveSlot = '2';
                std::string error;
                bool ok = true, previousKept = true;
                try {
                    ok = SaveGame(error, &previousKept);
                } catch (const std::runtime_error&) {
                    ok = false;
                }
                SetSaveFaultHook(nullptr);
                Pair fresh = memoryPair();
                RecoverSlot('2');
                Pair live = livePair('2'), backup = backupPair('2');
                EXPECT_TRUE(reached) << what;
                EXPECT_FALSE(ok) << what;
                EXPECT_TRUE(live == previous || live == fresh) << what;
                EXPECT_TRUE(backup == older || backup == previous) << what;
                if (live == fresh) {
                    EXPECT_TRUE(backup == previous) << what;
                }
                if (at < int(SaveStep::CommitPlayer)) {
                    EXPECT_TRUE(live == previous) << what;
                }
                if (!crash) {
                    EXPECT_EQ(JohabToUtf8(error), "디스크에 남은 공간이 없습니다.") << what;
                    // What the dialog then says stands in the slot is true.
                    EXPECT_EQ(previousKept, live == previous) << what;
                }
                EXPECT_EQ(leftovers(), std::vector<std::string>{}) << what;
            }
        }
    }
}

// A full disk for real: in a tmpfs of every size from one that holds a
// single file to one that holds two saves and both temporaries, saves one
// after another leave the live pair and the backup pair each one save's
// pair, and a save that fails says the disk is full. Mounting needs root;
// elsewhere the test is skipped.
TEST(SaveGame, OnAFullDiskEveryPairStaysOneSavesPair) {
    test::Session s;
    startOnTarn();
    fs::create_directory("small");
    for (int kib = 4; kib <= 132; kib += 4) {
        std::string size = "size=" + std::to_string(kib) + "k";
        if (mount("tmpfs", "small", "tmpfs", 0, size.c_str()) != 0) GTEST_SKIP() << "no tmpfs: " << std::strerror(errno);
        fs::current_path("small");
        std::vector<Pair> saves = {Pair{}};  // an empty slot counts as a pair
        for (int n = 1; n <= 4; ++n) {
            mark(n);
            std::string error;
            bool ok = SaveGame(error);
            saves.push_back(memoryPair());
            RecoverSlot('1');
            Pair live = livePair('1'), backup = backupPair('1');
            std::string what = size + ", save " + std::to_string(n);
            EXPECT_NE(std::find(saves.begin(), saves.end(), live), saves.end()) << what;
            EXPECT_NE(std::find(saves.begin(), saves.end(), backup), saves.end()) << what;
            if (ok)
                EXPECT_TRUE(live == saves.back()) << what;
            else
                EXPECT_EQ(JohabToUtf8(error), "디스크에 남은 공간이 없습니다.") << what;
            EXPECT_EQ(leftovers(), std::vector<std::string>{}) << what;
        }
        fs::current_path("..");
        umount("small");
    }
}

// Only a save the game could restore becomes the backup: a damaged player
// file or a missing one leaves the good backup pair as it was; a player
// file saved without its map is backed up alone.
TEST(SaveGame, BacksUpOnlyASaveThatCouldBeRestored) {
    test::Session s;
    startOnTarn();
    mark(1);
    ASSERT_TRUE(save('1'));
    Pair good = memoryPair();
    mark(2);
    ASSERT_TRUE(save('1'));
    std::vector<uint8_t> damaged = test::ReadBytes("player1.dat");
    damaged[7] = 0;  // no such map
    s.WriteFile("player1.dat", std::string(damaged.begin(), damaged.end()));
    ASSERT_TRUE(CheckSavedGame('1'));
    mark(3);
    ASSERT_TRUE(save('1'));
    EXPECT_TRUE(backupPair('1') == good) << "damaged";
    EXPECT_TRUE(livePair('1') == memoryPair());

    fs::remove("player1.dat");
    mark(4);
    ASSERT_TRUE(save('1'));
    EXPECT_TRUE(backupPair('1') == good) << "missing";

    fs::remove("save1.map");
    Pair alone = {test::ReadBytes("player1.dat"), {}};
    mark(5);
    ASSERT_TRUE(save('1'));
    EXPECT_TRUE(backupPair('1') == alone) << "without its map";
}

// A link planted at any name a save writes is never written through: the
// file it points to stays as it was and the save is whole. Links at the
// temporaries appear just before the save writes them (after the step
// named), the rest before the save starts.
TEST(SaveGame, NeverWritesThroughAPlantedLink) {
    const std::pair<const char*, int> plants[] = {{"player6.dat.new", -1},
                                                  {"save6.map.new", int(SaveStep::WritePlayer)},
                                                  {"player6.dat.bak.new", int(SaveStep::WriteMap)},
                                                  {"save6.map.bak.new", int(SaveStep::BackupPlayer)},
                                                  {"player6.dat.bak", -1},
                                                  {"save6.map.bak", -1},
                                                  {"player6.dat", -1},
                                                  {"save6.map", -1}};
    test::Session s;
    startOnTarn();
    mark(1);
    ASSERT_TRUE(save('6'));
    for (auto [name, after] : plants) {
        s.WriteFile("target", "keep");
        auto plant = [name] {
            fs::remove(name);
            fs::create_symlink("target", name);
        };
        if (after < 0) plant();
        SetSaveFaultHook([&](SaveStep step) {
            if (int(step) == after) plant();
            return 0;
        });
        mark(2);
        EXPECT_TRUE(save('6')) << name;
        SetSaveFaultHook(nullptr);
        EXPECT_EQ(test::ReadBytes("target"), std::vector<uint8_t>({'k', 'e', 'e', 'p'})) << name;
        EXPECT_TRUE(livePair('6') == memoryPair()) << name;
        EXPECT_FALSE(fs::is_symlink("player6.dat") || fs::is_symlink("save6.map")) << name;
        EXPECT_EQ(leftovers(), std::vector<std::string>{}) << name;
    }
}

// Before the title every slot is settled: each temporary a save writes, and
// those earlier versions left, is gone, and the pairs stand.
TEST(SaveGame, StartUpRemovesTheTemporariesOfEverySlot) {
    test::Session s;
    startOnTarn();
    mark(1);
    ASSERT_TRUE(save('3'));
    mark(2);
    ASSERT_TRUE(save('3'));
    Pair live = livePair('3'), backup = backupPair('3');
    for (char slot : {'3', '9'})
        for (const char* suffix : {".new", ".bak.new", ".bak.tmp"}) {
            s.WriteFile(PlayerFileName(slot) + suffix, "cut");
            s.WriteFile(SavedMapName(slot) + suffix, "cut");
        }
    RecoverAllSlots();
    EXPECT_EQ(leftovers(), std::vector<std::string>{});
    EXPECT_TRUE(livePair('3') == live);
    EXPECT_TRUE(backupPair('3') == backup);
}

TEST(SaveDialog, AFailedSaveSaysSoAndPlayGoesOn) {
    test::Session s;
    startOnTarn();
    ASSERT_TRUE(save('4'));
    std::vector<uint8_t> oldPlayer = test::ReadBytes("player4.dat");
    Party.Gold = 55;
    test::Transcript t;
    SetSaveFaultHook([](SaveStep at) { return at == SaveStep::WriteMap ? ENOSPC : 0; });
    s.platform.AppendKeys("{down*4}{enter}{enter}");
    SaveDialog();
    SetSaveFaultHook(nullptr);
    EXPECT_TRUE(t.has("저장하지 못했습니다!"));
    EXPECT_TRUE(t.has("이전에 저장한 게임은 그대로 남아 있습니다."));
    EXPECT_TRUE(t.has("디스크에 남은 공간이 없습니다.")) << t.text;
    EXPECT_FALSE(t.has("성공했습니다"));
    EXPECT_EQ(test::ReadBytes("player4.dat"), oldPlayer);
    EXPECT_EQ(SaveSlot, '1');
}

TEST(SaveDialog, SavesIntoTheChosenSlotAndEscapeSavesNothing) {
    test::Session s;
    startOnTarn();
    s.platform.AppendKeys("{esc}");
    SaveDialog();
    s.platform.AppendKeys("{enter}");  // "없습니다"
    SaveDialog();
    EXPECT_TRUE(FindFileNoCase(".", "player1.dat").empty());
    test::Transcript t;
    s.platform.AppendKeys("{down*5}{enter}{enter}");
    SaveDialog();
    EXPECT_TRUE(t.has("성공했습니다"));
    EXPECT_EQ(test::ReadBytes("player5.dat"), SavedGameImage());
    EXPECT_EQ(SaveSlot, '1');
}

TEST(RestoreGame, BringsBackTheSlotByteForByteAndMarksTheLoad) {
    test::Session s;
    startOnTarn();
    PartyX = 14;
    SetMapTile(14, 47, 35);
    MapCells[0] = 0x80 | 5;
    Party.Gold = 1234;
    ASSERT_TRUE(save('5'));
    std::vector<uint8_t> saved = test::ReadBytes("player5.dat");
    std::vector<uint8_t> savedMap = SavedMapImage();

    Party.Gold = 1;
    PartyX = 20;
    SetMapTile(14, 47, 44);
    MapCells[0] = 0;
    s.platform.AppendKeys("{down*5}{enter}");
    ASSERT_TRUE(RestoreGame());
    EXPECT_EQ(PartyFate(), kFateLoaded);
    EXPECT_EQ(SaveSlot, '1');
    EXPECT_EQ(PartyX, 14);
    PartyFate() = 0;
    EXPECT_EQ(SavedGameImage(), saved);
    EXPECT_EQ(SavedMapImage(), savedMap);
}

TEST(RestoreGame, ALostBattleRestoredFromTheEndOfGameDialogReadsAsLoaded) {
    test::Session s;
    startOnTarn();
    ASSERT_TRUE(save('1'));
    PartyFate() = kFateBattle;
    s.platform.AppendKeys("{enter}{enter}");  // restore: the list opens on the main game, saved last
    EndOfGameDialog();
    EXPECT_EQ(PartyFate(), kFateLoaded);
}

TEST(NewestSlot, GoesByWhenEachPlayerFileWasWritten) {
    test::Session s(false);
    EXPECT_EQ(NewestSlot(), 0);
    auto now = fs::file_time_type::clock::now();
    auto writeAt = [&s](const std::string& name, fs::file_time_type written) {
        s.WriteFile(name, "party");
        fs::last_write_time(name, written);
    };
    writeAt("save9.map", now);  // a map alone is no saved game
    writeAt("player2.dat.bak", now);
    EXPECT_EQ(NewestSlot(), 0);
    writeAt("player5.dat", now - std::chrono::hours(3));
    writeAt("PLAYER8.DAT", now - std::chrono::hours(1));
    writeAt("player3.dat", now - std::chrono::hours(2));
    EXPECT_EQ(NewestSlot(), '8');
    writeAt("player6.dat", now - std::chrono::hours(1));
    EXPECT_EQ(NewestSlot(), '6') << "a tie goes to the lower slot";
}

TEST(RestoreGame, FindsPlayerFilesWhateverTheirCaseAndReadsAShortOnePartly) {
    test::Session s;
    startOnTarn();
    Party.Gold = 500;
    Member[1].Strength = 17;
    std::vector<uint8_t> image = SavedGameImage();
    s.WriteFile("PLAYER3.DAT", std::string(image.begin(), image.begin() + 129 + 61));
    Party.Gold = 1;
    Member[1].Strength = 3;
    Member[2].Name.set("미라"_j);  // past the short file's end: kept
    s.platform.AppendKeys("{down*3}{enter}");
    ASSERT_TRUE(RestoreGame());
    EXPECT_EQ(+Party.Gold, 500);
    EXPECT_EQ(Member[1].Strength, 17);
    EXPECT_EQ(Member[2].Name.str(), std::string("미라"_j));
    EXPECT_EQ(MapWidth, test::ReadBytes("Tarn.map")[0]) << "no saved map: the map file is read";
}

TEST(RestoreGame, MissingOrDamagedSavesLeaveTheGameAsItWas) {
    test::Session s;
    startOnTarn();
    Party.Gold = 77;
    test::Transcript t;
    s.platform.AppendKeys("{down*2}{enter}{enter}");
    EXPECT_FALSE(RestoreGame());
    EXPECT_TRUE(t.has("저장된 데이타가 없습니다 !"));

    std::vector<uint8_t> image = SavedGameImage();
    image[8] = 126;  // x outside 타른's playable area
    image[9] = 194;
    s.WriteFile("player2.dat", std::string(image.begin(), image.end()));
    s.platform.AppendKeys("{down*2}{enter}{enter}");
    EXPECT_FALSE(RestoreGame());
    EXPECT_TRUE(t.has("저장된 게임이 손상되었습니다!"));
    EXPECT_TRUE(t.has("player2.dat: 위치 (126,194)가 맵 밖입니다"));
    EXPECT_FALSE(t.has(".bak")) << "the slot has no backup to point to";

    image[8] = 10;
    image[9] = 48;
    image[7] = 77;  // no such map
    s.WriteFile("player2.dat", std::string(image.begin(), image.end()));
    s.WriteFile("player2.dat.bak", "");
    s.platform.AppendKeys("{down*2}{enter}{enter}");
    EXPECT_FALSE(RestoreGame());
    EXPECT_TRUE(t.has("맵 번호 77은 없는 맵입니다"));
    EXPECT_TRUE(t.has("이전 저장본: player2.dat.bak"));
    EXPECT_EQ(+Party.Gold, 77);
    EXPECT_EQ(SaveSlot, '1');

    s.platform.AppendKeys("{esc}");
    EXPECT_FALSE(RestoreGame());
}

TEST(RestoreGame, AContinuedGameFromADamagedSaveEndsNamingTheFileAndItsBackups) {
    test::Session s;
    Member[1].Name.set("레온"_j);
    Party.MapNumber = kTarn;
    Party.SavedX = 2;
    Party.SavedY = 48;
    std::vector<uint8_t> image = SavedGameImage();
    s.WriteFile("player1.dat", std::string(image.begin(), image.end()));
    RestorePending = 1;
    EXPECT_THROW(LoadMapOrRestore(), ProgramHalt);
    ASSERT_FALSE(s.platform.messages.empty());
    EXPECT_EQ(s.platform.messages.back(), "ERROR: \"player1.dat\" is damaged: 위치 (2,48)이 맵 밖입니다.");

    s.WriteFile("player1.dat.bak", "");
    s.WriteFile("save1.map.bak", "");
    EXPECT_THROW(LoadMapOrRestore(), ProgramHalt);
    EXPECT_EQ(s.platform.messages.back(), "ERROR: \"player1.dat\" is damaged: 위치 (2,48)이 맵 밖입니다; "
                                          "the previous save is in player1.dat.bak and save1.map.bak.");
}

// Restored from the menu, a saved map the game cannot use is refused in the
// message window, naming it and what is wrong, and play goes on.
TEST(RestoreGame, ASavedMapOfAnImpossibleSizeOrCutIsRefusedAndPlayGoesOn) {
    test::Session s;
    startOnTarn();
    ASSERT_TRUE(save('2'));
    const std::vector<uint8_t> saved = test::ReadBytes("save2.map");
    Party.Gold = 66;
    SetMapTile(11, 48, 31);
    const std::vector<uint8_t> game = SavedGameImage(), cells = SavedMapImage();
    struct Case {
        int width, height;
        std::size_t length;
        std::string problem;
    };
    const Case cases[] = {
        {0, 95, 25002, "맵 크기가 1..200 x 1..125 밖입니다: 0 x 95"},
        {201, 95, 25002, "맵 크기가 1..200 x 1..125 밖입니다: 201 x 95"},
        {100, 126, 25002, "맵 크기가 1..200 x 1..125 밖입니다: 100 x 126"},
        {100, 95, 25001, "파일이 잘려 있습니다 (25002 바이트 중 25001 바이트)"},
        {100, 95, 25002, "그림이 없는 타일 56번이 (12,48)에 있습니다"},
    };
    for (const Case& c : cases) {
        std::vector<uint8_t> map = saved;
        map[0] = uint8_t(c.width);
        map[1] = uint8_t(c.height);
        map.resize(c.length);
        if (c.problem.find("타일") != std::string::npos) map[2 + 11 * 125 + 47] = 128 | 56;  // (12,48), lit
        s.WriteFile("save2.map", std::string(map.begin(), map.end()));
        test::Transcript t;
        s.platform.AppendKeys("{down*2}{enter}{enter}");
        EXPECT_FALSE(RestoreGame()) << c.problem;
        EXPECT_TRUE(t.has("저장된 게임이 손상되었습니다!")) << c.problem;
        EXPECT_TRUE(t.has("save2.map: " + c.problem)) << t.text;
        EXPECT_EQ(SavedGameImage(), game) << c.problem;
        EXPECT_EQ(SavedMapImage(), cells) << c.problem;
    }
}

// The byte sums are no reason to refuse a save: one whose records do not add
// up to them loads, and the message window says it may be damaged or edited,
// naming the backups when there are some.
TEST(RestoreGame, AnEditedSaveLoadsAndSaysSo) {
    test::Session s;
    startOnTarn();
    ASSERT_TRUE(save('4'));
    auto restore = [&s](int food) {
        std::vector<uint8_t> player = test::ReadBytes("player4.dat");
        player[10] = uint8_t(food);  // summed
        s.WriteFile("player4.dat", std::string(player.begin(), player.end()));
        s.platform.AppendKeys("{down*4}{enter}");
        return RestoreGame();
    };
    test::Transcript sound;
    ASSERT_TRUE(restore(Party.Food));
    EXPECT_FALSE(sound.has("수정된 게임"));

    test::Transcript edited;
    ASSERT_TRUE(restore(200));
    EXPECT_EQ(Party.Food, 200);
    EXPECT_TRUE(edited.has("손상되었거나 수정된 게임일 수 있습니다."));
    EXPECT_FALSE(edited.has(".bak")) << "the slot has no backup yet";

    ASSERT_TRUE(save('4'));
    test::Transcript backedUp;
    ASSERT_TRUE(restore(201));
    EXPECT_TRUE(backedUp.has("이전 저장본: player4.dat.bak, save4.map.bak"));
}

TEST(StartGame, AContinuedEditedSaveSaysSoOnTheDrawnScreen) {
    test::Session s;
    startOnTarn();
    ASSERT_TRUE(save('1'));
    std::vector<uint8_t> player = test::ReadBytes("player1.dat");
    ++player[11];  // the gold's low byte
    s.WriteFile("player1.dat", std::string(player.begin(), player.end()));
    ResetGameState();
    ResetMapState();
    RestorePending = 1;
    test::Transcript t;
    StartGame();
    std::size_t warning = t.text.find("수정된 게임일 수 있습니다"), panel = t.text.find("생명력");
    ASSERT_NE(warning, std::string::npos);
    EXPECT_GT(warning, panel) << "written after the screen is cleared";
}

// The values a save must have, at their edges: each file is the sound save
// with one thing changed; an empty problem means it still loads.
TEST(CheckSavedGame, RefusesCutRecordsImpossibleClocksAndEmptyParties) {
    test::Session s;
    startOnTarn();
    Member[2].Name.set("미라"_j);
    Party.Hour = 23;
    Party.Minute = 59;
    Party.Second = 59;
    Party.Day = 360;
    ASSERT_TRUE(save('3'));
    const std::vector<uint8_t> sound = test::ReadBytes("player3.dat");
    auto setDay = [](std::vector<uint8_t>& b, int day) {
        b[2] = uint8_t(day & 0xFF);
        b[3] = uint8_t((day >> 8) & 0xFF);
    };
    auto name = [](std::vector<uint8_t>& b, int slot, uint8_t length) { b[129 + (slot - 1) * 61] = length; };
    struct Case {
        const char* what;
        std::function<void(std::vector<uint8_t>&)> edit;
        std::string problem;
    };
    const Case cases[] = {
        {"sound", [](auto&) {}, ""},
        {"an empty file", [](auto& b) { b.clear(); }, "일행의 기록이 잘려 있습니다 (129 바이트 중 0 바이트)"},
        {"cut in the party record", [](auto& b) { b.resize(128); }, "일행의 기록이 잘려 있습니다 (129 바이트 중 128 바이트)"},
        {"cut in member 2", [](auto& b) { b.resize(129 + 61 + 30); }, "일원 2의 기록이 잘려 있습니다 (61 바이트 중 30 바이트)"},
        {"cut in the swap slot", [](auto& b) { b.resize(555); }, "일원 7의 기록이 잘려 있습니다 (61 바이트 중 60 바이트)"},
        {"members 1 and 2 only", [](auto& b) { b.resize(129 + 2 * 61); }, ""},
        {"hour 24", [](auto& b) { b[4] = 24; }, "있을 수 없는 시각입니다: 24시 59분 59초"},
        {"minute 60", [](auto& b) { b[5] = 60; }, "있을 수 없는 시각입니다: 23시 60분 59초"},
        {"second 60", [](auto& b) { b[6] = 60; }, "있을 수 없는 시각입니다: 23시 59분 60초"},
        {"day 361", [&](auto& b) { setDay(b, 361); }, "날짜가 0..360 밖입니다: 361"},
        {"day -1", [&](auto& b) { setDay(b, -1); }, "날짜가 0..360 밖입니다: -1"},
        {"day 0", [&](auto& b) { setDay(b, 0); }, ""},
        {"nobody in slots 1..6, someone in the swap slot",
         [&](auto& b) {
             name(b, 1, 0);
             name(b, 2, 0);
             name(b, 7, 2);
         },
         "일행에 일원이 한 명도 없습니다"},
        {"the companion alone",
         [&](auto& b) {
             name(b, 1, 0);
             name(b, 2, 0);
             name(b, 6, 2);
         },
         ""},
    };
    for (const Case& c : cases) {
        std::vector<uint8_t> bytes = sound;
        c.edit(bytes);
        s.WriteFile("player3.dat", std::string(bytes.begin(), bytes.end()));
        SaveDamage damage = CheckSavedGame('3');
        EXPECT_EQ(JohabToUtf8(damage.problem), c.problem) << c.what;
        EXPECT_EQ(damage.file, damage ? "player3.dat" : "") << c.what;
    }

    // The party record alone takes its members from memory: nobody at
    // start-up, the hero in a restore from the menu.
    s.WriteFile("player3.dat", std::string(sound.begin(), sound.begin() + 129));
    ResetGameState();
    EXPECT_EQ(JohabToUtf8(CheckSavedGame('3').problem), "일행에 일원이 한 명도 없습니다");
    Member[1].Name.set("레온"_j);
    EXPECT_FALSE(CheckSavedGame('3'));
}

// The game a restore may leave the player in: a clock inside its ranges,
// someone in the party, a known map and the party inside its playable area.
bool playable() {
    bool someone = false;
    for (int slot = 1; slot <= kLastFightingSlot; ++slot) someone = someone || IsPresent(slot);
    return Party.Hour < 24 && Party.Minute < 60 && Party.Second < 60 && Party.Day >= 0 && Party.Day <= 360 &&
           someone && IsGameMap(Party.MapNumber) && PartyX >= 5 && PartyX <= MapWidth - 4 && PartyY >= 5 &&
           PartyY <= MapHeight - 4;
}

// A continued game from every length of player file: one that ends between
// records after member 1 plays on with the records it holds (the rest as a
// fresh game has them); every other length is reported as damaged. No
// length leaves a party that dies at the first key or a half-read member.
TEST(LoadMapOrRestore, EveryLengthOfPlayerFileIsRefusedOrPlaysOn) {
    test::Session s;
    startOnTarn();
    Member[2].Name.set("미라"_j);
    Member[2].HP = 40;
    ASSERT_TRUE(save('1'));
    const std::vector<uint8_t> whole = test::ReadBytes("player1.dat");
    int played = 0;
    for (std::size_t length = 0; length <= whole.size(); ++length) {
        ResetGameState();
        ResetMapState();
        s.WriteFile("player1.dat", std::string(whole.begin(), whole.begin() + std::ptrdiff_t(length)));
        RestorePending = 1;
        std::string at = "length " + std::to_string(length);
        if (length < 129 + 61 || (length - 129) % 61 != 0) {
            EXPECT_THROW(LoadMapOrRestore(), ProgramHalt) << at;
            EXPECT_EQ(s.platform.messages.back().rfind("ERROR: \"player1.dat\" is damaged: ", 0), 0u) << at;
            continue;
        }
        ASSERT_NO_THROW(LoadMapOrRestore()) << at;
        ++played;
        EXPECT_TRUE(playable()) << at;
        EXPECT_TRUE(CheckPartyAlive()) << at;
        std::vector<uint8_t> image = SavedGameImage();
        EXPECT_TRUE(std::equal(whole.begin(), whole.begin() + std::ptrdiff_t(length), image.begin())) << at;
        EXPECT_TRUE(std::all_of(image.begin() + std::ptrdiff_t(length), image.end(), [](uint8_t b) { return b == 0; }))
            << at;
    }
    EXPECT_EQ(played, 7);
}

// Random player files, and the sound save with one to three bytes changed:
// each is reported as damaged or loads a game that can be played.
TEST(LoadMapOrRestore, DamagedPlayerFilesAreRefusedOrPlayable) {
    test::Session s;
    startOnTarn();
    ASSERT_TRUE(save('1'));
    std::filesystem::remove("save1.map");
    const std::vector<uint8_t> sound = test::ReadBytes("player1.dat");
    std::mt19937 random(19);
    int loaded[2] = {};
    for (int i = 0; i < 600; ++i) {
        bool changed = i >= 300;
        std::vector<uint8_t> bytes = sound;
        if (changed)
            for (int n = int(random() % 3); n >= 0; --n) bytes[random() % bytes.size()] = uint8_t(random());
        else
            for (uint8_t& b : bytes) b = uint8_t(random());
        ResetGameState();
        ResetMapState();
        s.WriteFile("player1.dat", std::string(bytes.begin(), bytes.end()));
        RestorePending = 1;
        try {
            LoadMapOrRestore();
        } catch (const ProgramHalt&) {
            continue;
        }
        ++loaded[changed];
        EXPECT_TRUE(playable()) << "file " << i;
    }
    EXPECT_GT(loaded[1], 200) << "most changed saves stay playable";
}

}  // namespace
}  // namespace vela
