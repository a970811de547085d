// Saved games: the exact bytes, the checksums, a save that fails or is cut
// short at any step, the backup pair, links and temporaries, and the
// restore dialog.
#include <gtest/gtest.h>
#include <sys/mount.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

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
                bool ok = true;
                try {
                    ok = SaveGame(error);
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
    ASSERT_FALSE(CheckSavedGame('1').empty());
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
    EXPECT_TRUE(t.has("저장하지 못했습니다 !"));
    EXPECT_TRUE(t.has("이전의 저장은 그대로 남아 있습니다."));
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
    s.platform.AppendKeys("{enter}{down}{enter}");  // restore, then the main game
    EndOfGameDialog();
    EXPECT_EQ(PartyFate(), kFateLoaded);
}

TEST(RestoreGame, FindsPlayerFilesWhateverTheirCaseAndReadsAShortOnePartly) {
    test::Session s;
    startOnTarn();
    Party.Gold = 500;
    Member[1].Strength = 17;
    std::vector<uint8_t> image = SavedGameImage();
    s.WriteFile("PLAYER3.DAT", std::string(image.begin(), image.begin() + 129 + 21));
    Party.Gold = 1;
    Member[1].Strength = 3;
    Member[1].Mentality = 42;  // past the short file's end: kept
    s.platform.AppendKeys("{down*3}{enter}");
    ASSERT_TRUE(RestoreGame());
    EXPECT_EQ(+Party.Gold, 500);
    EXPECT_EQ(Member[1].Strength, 17);
    EXPECT_EQ(Member[1].Mentality, 42);
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
    EXPECT_TRUE(t.has("저장된 게임이 손상되었습니다 !"));
    EXPECT_TRUE(t.has("위치 (126,194)가 맵 밖입니다"));
    EXPECT_TRUE(t.has("player2.dat.bak"));

    image[8] = 10;
    image[9] = 48;
    image[7] = 77;  // no such map
    s.WriteFile("player2.dat", std::string(image.begin(), image.end()));
    s.platform.AppendKeys("{down*2}{enter}{enter}");
    EXPECT_FALSE(RestoreGame());
    EXPECT_TRUE(t.has("맵 번호 77은 없는 맵입니다"));
    EXPECT_EQ(+Party.Gold, 77);
    EXPECT_EQ(SaveSlot, '1');

    s.platform.AppendKeys("{esc}");
    EXPECT_FALSE(RestoreGame());
}

TEST(RestoreGame, AContinuedGameFromADamagedSaveEndsNamingTheFileAndItsBackup) {
    test::Session s;
    Party.MapNumber = kTarn;
    Party.SavedX = 2;
    Party.SavedY = 48;
    std::vector<uint8_t> image = SavedGameImage();
    s.WriteFile("player1.dat", std::string(image.begin(), image.end()));
    RestorePending = 1;
    EXPECT_THROW(LoadMapOrRestore(), ProgramHalt);
    ASSERT_FALSE(s.platform.messages.empty());
    EXPECT_EQ(s.platform.messages.back(),
              "ERROR: \"player1.dat\" is damaged: 위치 (2,48)가 맵 밖입니다; the previous save is in player1.dat.bak.");
}

}  // namespace
}  // namespace vela
