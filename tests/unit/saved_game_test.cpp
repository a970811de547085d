// Saved games: the exact bytes, the checksums, a save that fails or is cut
// short at any step, and the restore dialog.
#include <gtest/gtest.h>

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

// Whatever step fails or is cut short, once the slot has been looked at it
// holds the old pair or the new pair, each whole; a failure reported before
// the player file was committed always leaves the old pair.
TEST(SaveGame, AFailureOrACrashAtAnyStepNeverTearsTheSlot) {
    const SaveStep steps[] = {SaveStep::WritePlayer, SaveStep::WriteMap,     SaveStep::BackupPlayer,
                              SaveStep::BackupMap,   SaveStep::CommitPlayer, SaveStep::CommitMap,
                              SaveStep::SyncFolder};
    for (bool crash : {false, true}) {
        for (SaveStep failAt : steps) {
            test::Session s;
            startOnTarn();
            ASSERT_TRUE(save('2'));
            std::vector<uint8_t> oldPlayer = test::ReadBytes("player2.dat"), oldMap = test::ReadBytes("save2.map");
            Party.Gold = 4321;
            SetMapTile(13, 48, 33);
            SetSaveFaultHook([&](SaveStep at) {
                if (at != failAt) return false;
                if (crash) throw std::runtime_error("killed");
                return true;
            });
            bool ok = true;
            try {
                ok = save('2');
            } catch (const std::runtime_error&) {
                ok = false;
            }
            SetSaveFaultHook(nullptr);
            std::vector<uint8_t> newPlayer = SavedGameImage(), newMap = SavedMapImage();
            RecoverSlot('2');
            std::vector<uint8_t> player = test::ReadBytes("player2.dat"), map = test::ReadBytes("save2.map");
            std::string what = std::string(crash ? "crash" : "failure") + " at step " + std::to_string(int(failAt));
            EXPECT_FALSE(ok) << what;
            bool old = player == oldPlayer && map == oldMap;
            bool fresh = player == newPlayer && map == newMap;
            EXPECT_TRUE(old || fresh) << what;
            if (failAt < SaveStep::CommitPlayer) {
                EXPECT_TRUE(old) << what;
            }
            EXPECT_FALSE(fs::exists("player2.dat.new") || fs::exists("save2.map.new")) << what;
        }
    }
}

TEST(SaveDialog, AFailedSaveSaysSoAndPlayGoesOn) {
    test::Session s;
    startOnTarn();
    ASSERT_TRUE(save('4'));
    std::vector<uint8_t> oldPlayer = test::ReadBytes("player4.dat");
    Party.Gold = 55;
    test::Transcript t;
    SetSaveFaultHook([](SaveStep at) { return at == SaveStep::WriteMap; });
    s.platform.AppendKeys("{down*4}{enter}{enter}");
    SaveDialog();
    SetSaveFaultHook(nullptr);
    EXPECT_TRUE(t.has("저장하지 못했습니다 !"));
    EXPECT_TRUE(t.has("이전의 저장은 그대로 남아 있습니다."));
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
