// The message window, the menus, the member and yes/no prompts, the party
// panel and the end-of-game dialog, driven with scripted keys on the
// headless platform.
#include <gtest/gtest.h>

#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <set>
#include <string>

#include "game/state/names.h"
#include "game/state/party.h"
#include "game/save/end_of_game.h"
#include "game/ui/menus.h"
#include "game/ui/messages.h"
#include "game/ui/party_panel.h"
#include "golden.h"
#include "platform/headless_platform.h"
#include "screen/fonts.h"
#include "screen/gfx.h"
#include "screen/johab.h"
#include "screen/text_output.h"
#include "runtime/halt.h"
#include "runtime/key_queue.h"
#include "game/ui/quit.h"

namespace vela {
namespace {

namespace fs = std::filesystem;

// Runs body with the current folder set to dir, and always comes back.
void InFolder(const fs::path& dir, const std::function<void()>& body) {
    fs::path saved = fs::current_path();
    fs::current_path(dir);
    try {
        body();
    } catch (...) {
        fs::current_path(saved);
        throw;
    }
    fs::current_path(saved);
}

bool LoadGameFonts() {
    static int loaded = -1;
    if (loaded < 0) {
        loaded = 0;
        try {
            InFolder(VELA_DATA_DIR, [] {
                LoadAsciiFont();
                LoadHangulFont(2);
            });
            loaded = 1;
        } catch (const std::exception&) {
        }
    }
    return loaded == 1;
}

#define REQUIRE_FONTS() \
    if (!LoadGameFonts()) GTEST_SKIP() << "game fonts not built in " VELA_DATA_DIR

constexpr int kBackground = 8;

// The distinct colours of the pixels in a rectangle that are not the
// message background, as palette indices (-1 for a pixel of no palette colour).
std::set<int> InkIn(int x1, int y1, int x2, int y2) {
    std::set<int> colours;
    for (int y = y1; y <= y2; ++y)
        for (int x = x1; x <= x2; ++x) {
            uint16_t pixel = Screen[y * 640 + x];
            if (pixel == PixelOf(kBackground)) continue;
            int found = -1;
            for (int c = 0; c < 16; ++c)
                if (PixelOf(c) == pixel) found = c;
            colours.insert(found);
        }
    return colours;
}

// Ink of one 16-pixel text line of the message window starting at y.
std::set<int> LineInk(int y) { return InkIn(245, y, 625, y + 15); }

// Ink of menu item i of a menu at y: the items are the only thing drawn in
// black, so the line is compared with the background explicitly.
std::set<int> ItemInk(int y, int i) { return LineInk(y + 16 * (i - 1)); }

bool MessageWindowBlank() { return InkIn(241, 21, 626, 288).empty(); }

class PromptTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetPlatform(&platform);
        ResetKeyQueue();
        ResetGameState();
        ResetTextState();
        ResetPalette();
        SetWaitOnScroll(1);
        SetFillStyle(1, kBackground);
        Bar(0, 0, 639, 479);
        SetColor(15);
        MenuItems = {};
        Acted = 0;
    }
    void TearDown() override { SetPlatform(nullptr); }

    // Calls check at the point of the script marked {shot:NAME}.
    void At(const std::string& name, std::function<void()> check) {
        auto previous = platform.onShot;
        platform.onShot = [name, check, previous](const std::string& reached) {
            if (reached == name) check();
            else if (previous) previous(reached);
        };
    }

    void FiveItemMenu() {
        SetMenuItems("메뉴의 제목"_j, {"첫째"_j, "둘째"_j, "셋째"_j, "넷째"_j, "다섯째"_j});
    }

    HeadlessPlatform platform;
};

// ---------------------------------------------------------------- menus

TEST_F(PromptTest, MenuDrawsDisabledItemsBlackAndWrapsOverEnabledOnly) {
    REQUIRE_FONTS();
    FiveItemMenu();
    const int y = 70;
    At("start", [&] {
        EXPECT_EQ(InkIn(245, 30, 625, 45), std::set<int>{12}) << "title in light red";
        EXPECT_EQ(ItemInk(y, 1), std::set<int>{15});
        EXPECT_EQ(ItemInk(y, 2), std::set<int>{7});
        EXPECT_EQ(ItemInk(y, 3), std::set<int>{7});
        EXPECT_EQ(ItemInk(y, 4), std::set<int>{0});
        EXPECT_EQ(ItemInk(y, 5), std::set<int>{0});
    });
    At("wrapped", [&] {  // three downs from item 1 come back to it, never on 4 or 5
        EXPECT_EQ(ItemInk(y, 1), std::set<int>{15});
        EXPECT_EQ(ItemInk(y, 3), std::set<int>{7});
        EXPECT_EQ(ItemInk(y, 4), std::set<int>{0});
        EXPECT_EQ(ItemInk(y, 5), std::set<int>{0});
    });
    At("back", [&] {  // up from item 1 goes to the last enabled item
        EXPECT_EQ(ItemInk(y, 1), std::set<int>{7});
        EXPECT_EQ(ItemInk(y, 3), std::set<int>{15});
        EXPECT_EQ(ItemInk(y, 4), std::set<int>{0});
    });
    platform.AppendKeys("{shot:start}{down*3}{shot:wrapped}{up}{shot:back}{enter}");
    EXPECT_EQ(Select(y, 3, 5, true, false), 3);
    EXPECT_TRUE(platform.ScriptDone());
    EXPECT_EQ(Acted, 1);
    EXPECT_EQ(GetColor(), 15);
}

TEST_F(PromptTest, MenuAnswersByKey) {
    struct Case {
        const char* keys;
        int initial;
        int expected;
    } cases[] = {
        {"{enter}", 1, 1},
        {"{space}", 1, 1},                  // Space chooses like Enter
        {"{down}{space}", 1, 2},
        {"{up}{enter}", 1, 3},              // wraps upwards to the last enabled item
        {"{down*2}{down}{enter}", 1, 1},    // and downwards to the first
        {"{enter}", 2, 2},                  // Choose starts on the given item
        {"{enter}", 9, 3},                  // a start past the enabled items takes the last one
        {"{enter}", 0, 0},                  // start 0 highlights nothing
        {"{down}{enter}", 0, 1},
        {"{down}{esc}", 1, 0},              // Esc gives 0 whatever is highlighted
        {"x7{left}{right}{bs}{down}{enter}", 1, 2},  // other keys change nothing
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.keys);
        ResetKeyQueue();
        FiveItemMenu();
        platform.AppendKeys(c.keys);
        EXPECT_EQ(Choose(70, c.initial, 3, 5, true, true), c.expected);
        EXPECT_TRUE(platform.ScriptDone()) << "the menu ended before its key";
    }
}

TEST_F(PromptTest, AnEnterLeftAfterALoneExtendedCodeStillChooses) {
    // A full queue can keep the 0 of an arrow and lose its code; the byte
    // typed next is read as that code, and an Enter still ends the menu.
    FiveItemMenu();
    platform.AppendKeys("{nul}{enter}");
    EXPECT_EQ(Choose(70, 2, 3, 5, true, true), 2);
}

TEST_F(PromptTest, MenuClearsTheWindowOnlyWhenAskedAfterEsc) {
    REQUIRE_FONTS();
    FiveItemMenu();
    platform.AppendKeys("{esc}");
    EXPECT_EQ(Select(70, 3, 5, true, false), 0);
    EXPECT_FALSE(ItemInk(70, 1).empty()) << "menu left on screen without clearAfter";

    FiveItemMenu();
    platform.AppendKeys("{esc}");
    EXPECT_EQ(Select(70, 3, 5, true, true), 0);
    EXPECT_TRUE(MessageWindowBlank());
    EXPECT_EQ(TextCursor.y, 32);
}

TEST_F(PromptTest, MenuWithNothingEnabledWaitsForEnterOrEsc) {
    REQUIRE_FONTS();
    FiveItemMenu();
    At("drawn", [&] {
        for (int i = 1; i <= 5; ++i) EXPECT_EQ(ItemInk(70, i), std::set<int>{0}) << "item " << i;
    });
    platform.AppendKeys("{shot:drawn}{down}{space}a{enter}");
    EXPECT_EQ(Select(70, 0, 5, true, true), 0);
    EXPECT_TRUE(platform.ScriptDone()) << "Space or an arrow ended an empty menu";
    EXPECT_TRUE(MessageWindowBlank());

    FiveItemMenu();
    platform.AppendKeys("{esc}");
    EXPECT_EQ(Select(70, 0, 5, true, false), 0);
    EXPECT_FALSE(ItemInk(70, 1).empty());
}

TEST_F(PromptTest, MenuNeverReadsPastTenChoices) {
    SetMenuItems("", {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11"});
    EXPECT_EQ(MenuItems[10], "10");
    platform.AppendKeys("{up}{enter}");
    EXPECT_EQ(Select(40, 12, 12, true, true), 10);
}

TEST_F(PromptTest, MenuGolden) {
    REQUIRE_FONTS();
    SetMenuItems("당신의 명령을 고르시오 ===>"_j,
                 {"일행의 상황을 본다       [P]"_j, "개인의 상황을 본다       [V]"_j,
                  "일행의 건강 상태를 본다  [Q]"_j, "마법을 사용한다          [C]"_j,
                  "여기서 쉰다              [R]"_j, "게임 선택 상황           [G]"_j});
    At("menu", [] { test::ExpectMatchesGolden("menu"); });
    platform.AppendKeys("{down}{down}{shot:menu}{esc}");
    Choose(70, 1, 4, 6, true, true);
}

// ---------------------------------------------------------------- messages

TEST_F(PromptTest, MessagesAdvanceOneLineEach) {
    REQUIRE_FONTS();
    ClearMessages();
    EXPECT_EQ(TextCursor.y, 32);
    WriteMessage(TextColour::Narration, "첫줄"_j);
    WriteMessage(TextColour::Scene, ""_j);  // an empty message only advances
    WriteMessage3(TextColour::Choice, TextColour::Prompt, "가"_j, "나"_j, "다"_j);
    EXPECT_EQ(TextCursor.y, 80);
    EXPECT_EQ(LineInk(48), std::set<int>{15});
    EXPECT_TRUE(LineInk(64).empty());
    EXPECT_EQ(LineInk(80), (std::set<int>{11, 14}));
    EXPECT_EQ(InkIn(260, 80, 275, 95), std::set<int>{11}) << "a line starts at x 260";
    EXPECT_EQ(InkIn(276, 80, 291, 95), std::set<int>{14}) << "the middle part stands out";
    EXPECT_EQ(InkIn(292, 80, 307, 95), std::set<int>{11});
    EXPECT_TRUE(InkIn(245, 48, 259, 95).empty());

    WriteMessagePart(TextColour::Title, "라"_j, false);  // continues the same line
    EXPECT_EQ(InkIn(308, 80, 323, 95), std::set<int>{12});
    EXPECT_EQ(TextCursor.y, 80);
}

TEST_F(PromptTest, MessagesScrollAtTheBottomAfterAKey) {
    REQUIRE_FONTS();
    ClearMessages();
    WriteMessage(TextColour::Backstory, "하나"_j);
    WriteMessage(TextColour::Question, "둘"_j);
    for (int line = 3; line <= 14; ++line) WriteMessage(TextColour::Narration, "줄"_j);
    EXPECT_EQ(TextCursor.y, 256) << "fourteen lines fill the window without scrolling";
    EXPECT_EQ(LineInk(256), std::set<int>{15});

    EXPECT_THROW(WriteMessage(TextColour::Prompt, "넘침"_j), ScriptExhausted) << "scrolling waits for a key";
    ResetKeyQueue();
    ClearMessages();
    WriteMessage(TextColour::Backstory, "하나"_j);
    WriteMessage(TextColour::Question, "둘"_j);
    for (int line = 3; line <= 14; ++line) WriteMessage(TextColour::Narration, "줄"_j);
    platform.AppendKeys("{space}");
    WriteMessage(TextColour::Prompt, "넘침"_j);
    EXPECT_TRUE(platform.ScriptDone());
    EXPECT_EQ(TextCursor.y, 256);
    EXPECT_EQ(LineInk(32), std::set<int>{9}) << "everything moved up one line";
    EXPECT_EQ(LineInk(48), std::set<int>{10});
    EXPECT_EQ(LineInk(256), std::set<int>{14}) << "the new line replaces the old last line";

    SetWaitOnScroll(0);  // battle messages scroll without a key
    WriteMessage(TextColour::Narration, "다음"_j);
    EXPECT_EQ(LineInk(32), std::set<int>{10});
    EXPECT_EQ(LineInk(256), std::set<int>{15});
}

TEST_F(PromptTest, LongMessageWrapsAtTheTextWindow) {
    REQUIRE_FONTS();
    ClearMessages();
    WriteMessage(TextColour::Narration, "가나다라마바사아자차카타파하가나다라마바사아자차카타파하"_j);
    EXPECT_EQ(TextCursor.y, 64);
    EXPECT_FALSE(InkIn(251, 64, 259, 79).empty()) << "the continuation starts at the window's left";
    // A character is started while x + 8 is left of the window's right edge
    // (608), so the last syllable of a line ends at x 611 at most.
    EXPECT_FALSE(InkIn(596, 48, 611, 63).empty());
    EXPECT_TRUE(InkIn(612, 48, 626, 79).empty()) << "nothing past the last character cell";
}

TEST_F(PromptTest, PressAnyKeyIgnoresEarlierKeysAndKeepsTheArrowCode) {
    REQUIRE_FONTS();
    WriteMessage(TextColour::Narration, "무엇"_j);
    PushKey('a');
    PushKey(0);
    PushKey(72);
    At("prompt", [] { EXPECT_EQ(InkIn(245, 272, 625, 287), std::set<int>{14}); });
    platform.AppendKeys("{shot:prompt}{down}");
    PressAnyKey();
    EXPECT_EQ(LastKey, kKeyDown);
    EXPECT_EQ(QueuedKeyCount(), 0);
    EXPECT_TRUE(MessageWindowBlank());
    EXPECT_EQ(TextCursor.y, 32);

    PushKey('q');
    platform.AppendKeys("z");
    PressAnyKey();
    EXPECT_EQ(LastKey, 'z');
}

TEST_F(PromptTest, GoldAndFixedAnswers) {
    REQUIRE_FONTS();
    Party.Gold = 100;
    WriteMessage(TextColour::Narration, "이전"_j);
    WriteMessage(TextColour::Narration, "이전"_j);
    GainGold(250);
    EXPECT_EQ(+Party.Gold, 350);
    EXPECT_EQ(LineInk(48), std::set<int>{7});
    EXPECT_TRUE(LineInk(64).empty()) << "the window was cleared first";

    Party.Gold = 2147483000;
    GainGold(1000);
    EXPECT_EQ(+Party.Gold, 2147483647) << "the purse saturates instead of wrapping";

    for (auto say : {SayAsYouWish, SayNotEnoughMoney, SayThankYou}) {
        WriteMessage(TextColour::Narration, "이전"_j);
        say();
        EXPECT_EQ(TextCursor.y, 48);
        EXPECT_EQ(LineInk(48), std::set<int>{7});
        EXPECT_TRUE(LineInk(64).empty());
    }
}

// ---------------------------------------------------------------- members and yes/no

class MemberPromptTest : public PromptTest {
protected:
    void SetUp() override {
        PromptTest::SetUp();
        Member[1].Name.set("영웅"_j);
        Member[3].Name.set("셋째"_j);
        Member[5].Name.set("다섯"_j);
        Member[6].Name.set("동물"_j);
        Member[7].Name.set("예비"_j);
    }
};

TEST_F(MemberPromptTest, OffersOnlyNamedPeopleOfSlotsOneToFive) {
    struct Case {
        const char* keys;
        int slot;
    } cases[] = {
        {"{enter}", 1}, {"{down}{enter}", 3}, {"{down*2}{enter}", 5},
        {"{down*3}{enter}", 1},  // wraps past the last person, never to 6 or 7
        {"{up}{enter}", 5},      {"{esc}", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.keys);
        ResetKeyQueue();
        platform.AppendKeys(c.keys);
        EXPECT_EQ(SelectMember(true), c.slot);
    }
    EXPECT_EQ(MenuItems[0], "");
    EXPECT_EQ(MenuItems[3], Member[5].Name.str());
    for (int i = 1; i <= 10; ++i) {
        EXPECT_NE(MenuItems[i], Member[6].Name.str());
        EXPECT_NE(MenuItems[i], Member[7].Name.str());
    }
}

TEST_F(MemberPromptTest, PromptStaysVisibleAboveTheNames) {
    REQUIRE_FONTS();
    WriteMessage(TextColour::Narration, "이전 메시지"_j);
    At("shown", [] {
        EXPECT_TRUE(LineInk(48).empty()) << "cleared before";
        EXPECT_EQ(InkIn(245, 70, 625, 85), std::set<int>{10});
        EXPECT_EQ(ItemInk(106, 1), std::set<int>{15});
        EXPECT_EQ(ItemInk(106, 3), std::set<int>{7});
        EXPECT_TRUE(ItemInk(106, 4).empty()) << "no fourth name";
    });
    platform.AppendKeys("{shot:shown}{enter}");
    EXPECT_EQ(SelectMember(true), 1);
    EXPECT_TRUE(MessageWindowBlank());
}

TEST_F(MemberPromptTest, NobodyToChooseGivesZeroAfterEnter) {
    for (int slot = 1; slot <= 5; ++slot) Member[slot].Name.set("");
    platform.AppendKeys("{down}{enter}");
    EXPECT_EQ(ChooseMember(106, false, true), 0);
    EXPECT_TRUE(platform.ScriptDone());
}

TEST_F(PromptTest, AskEnterAndLeave) {
    platform.AppendKeys("{enter}");
    EXPECT_TRUE(AskEnter("성"_j));
    platform.AppendKeys("{down}{enter}");
    EXPECT_FALSE(AskEnter("성"_j));
    platform.AppendKeys("{esc}");
    EXPECT_FALSE(AskLeave());
    platform.AppendKeys("{space}");
    EXPECT_TRUE(AskLeave());
    EXPECT_EQ(MenuItems[1], std::string("예, 그렇습니다."_j));
    EXPECT_EQ(MenuItems[2], std::string("아니오, 원하지 않습니다."_j));
}

TEST_F(PromptTest, AskEnterShowsTheQuestionAboveTheAnswers) {
    REQUIRE_FONTS();
    At("asked", [] {
        EXPECT_EQ(LineInk(48), std::set<int>{11});
        EXPECT_EQ(ItemInk(100, 1), std::set<int>{15});
        EXPECT_EQ(ItemInk(100, 2), std::set<int>{7});
    });
    platform.AppendKeys("{shot:asked}{enter}");
    AskEnter("성"_j);
}

// ---------------------------------------------------------------- party panel

class PanelTest : public PromptTest {
protected:
    void SetUp() override {
        PromptTest::SetUp();
        auto make = [](int slot, const char* utf8Name, int hp, int sp) {
            Member[slot].Name.set(Utf8ToJohab(utf8Name));
            Member[slot].HP = int16_t(hp);
            Member[slot].SP = int16_t(sp);
            Member[slot].Endurance = 10;
            Member[slot].Level = 2;
        };
        make(1, "한별", 7, 120);
        make(2, "Rigel", 0, 0);  // no hit points left: unconscious when shown
        make(3, "미르", 45, 3);
        Member[3].Poison = 2;
        make(4, "가람", -3, 10);
        Member[4].Unconscious = 40;  // deeper than endurance x level: dead
        make(6, "늑대", 300, 0);
    }
};

TEST_F(PanelTest, RowsColumnsAndConditionColours) {
    REQUIRE_FONTS();
    // The header the game draws above the panel, for the picture.
    WriteBold(260, 313, TextColour::Label, "  이름           생명력   마력       상 태"_j);
    DrawPartyPanel();
    auto rowInk = [](int slot, int x1, int x2) { return InkIn(x1, PanelRowY(slot), x2, PanelRowY(slot) + 15); };
    EXPECT_EQ(rowInk(1, 260, 388), std::set<int>{15});
    EXPECT_EQ(rowInk(1, 400, 431), std::set<int>{}) << "hit points are right-aligned in five places";
    EXPECT_EQ(rowInk(1, 432, 439), std::set<int>{15});
    EXPECT_EQ(rowInk(1, 463, 479), std::set<int>{});
    EXPECT_EQ(rowInk(1, 480, 503), std::set<int>{15});
    EXPECT_EQ(rowInk(1, 540, 639), std::set<int>{15}) << "good condition in white";
    for (int slot : {2, 3, 4}) EXPECT_EQ(rowInk(slot, 540, 639), std::set<int>{12}) << "slot " << slot;
    EXPECT_EQ(+Member[2].Unconscious, 1);
    EXPECT_EQ(+Member[4].Dead, 1);
    EXPECT_TRUE(rowInk(5, 241, 639).empty()) << "an empty slot stays blank";
    EXPECT_EQ(rowInk(6, 260, 388), std::set<int>{15}) << "the companion has a row";
    EXPECT_EQ(GetColor(), 15);
    test::ExpectMatchesGolden("party_panel");

    // A member who leaves is wiped from the panel on the next drawing.
    Member[3].Name.set("");
    DrawPartyPanel();
    EXPECT_TRUE(rowInk(3, 241, 639).empty());
    EXPECT_FALSE(rowInk(1, 241, 639).empty());
}

TEST_F(PanelTest, VitalsRedrawOnlyTheNumbersAndConditions) {
    REQUIRE_FONTS();
    DrawPartyPanel();
    Member[1].HP = 0;
    SetColor(3);
    DrawVitals();
    EXPECT_EQ(InkIn(400, PanelRowY(1), 440, PanelRowY(1) + 15), std::set<int>{15});
    EXPECT_EQ(InkIn(540, PanelRowY(1), 639, PanelRowY(1) + 15), std::set<int>{12});
    EXPECT_EQ(InkIn(260, PanelRowY(1), 388, PanelRowY(1) + 15), std::set<int>{15}) << "name untouched";
    int cursorBefore = TextCursor.y;
    DrawHP();
    DrawSP();
    EXPECT_EQ(TextCursor.y, cursorBefore) << "the panel leaves the message cursor alone";
}

// ---------------------------------------------------------------- end of the game

class EndOfGameTest : public PromptTest {
protected:
    void SetUp() override {
        PromptTest::SetUp();
        folder = fs::temp_directory_path() / ("vela-end-" + std::to_string(::getpid()));
        fs::remove_all(folder);
        fs::create_directories(folder);
    }
    void TearDown() override {
        fs::remove_all(folder);
        PromptTest::TearDown();
    }
    // Runs the dialog in the scratch folder; the halt status, -1 when it
    // returned, kAsking when it still waited for a key once the keys ran out.
    static constexpr int kAsking = -2;
    int RunDialog(const std::string& keys) {
        ResetKeyQueue();
        platform.AppendKeys(keys);
        int status = -1;
        InFolder(folder, [&] {
            try {
                EndOfGameDialog();
            } catch (const ProgramHalt& halt) {
                status = halt.status;
            } catch (const ScriptExhausted&) {
                status = kAsking;
            }
        });
        EXPECT_TRUE(platform.ScriptDone()) << keys;
        return status;
    }
    // A saved game in the slot, written at the given time.
    void SaveAt(char slot, fs::file_time_type written) {
        fs::path player = folder / ("player" + std::string(1, slot) + ".dat");
        std::ofstream(player) << "party";
        fs::last_write_time(player, written);
    }
    fs::path folder;
};

TEST_F(EndOfGameTest, QuitQuestionHaltsOnlyOnYes) {
    PartyFate() = kFateNone;
    EXPECT_EQ(RunDialog("{enter}"), -1);
    EXPECT_EQ(RunDialog("{esc}"), -1);
    EXPECT_EQ(RunDialog("{down}{enter}"), 0);
    EXPECT_EQ(Screen[0], PixelOf(0)) << "the screen is cleared before halting";
    EXPECT_EQ(Screen[300 * 640 + 400], PixelOf(0));
}

TEST_F(EndOfGameTest, LostPartyCannotReturnToPlayWithoutASavedGame) {
    PartyFate() = kFateBattle;
    EXPECT_EQ(RunDialog("{enter}{down}{enter}{enter}{down}{enter}"), 0) << "restore finds nothing, so the game ends";
    PartyFate() = kFateBattle;
    EXPECT_EQ(RunDialog("{esc}{down}{enter}"), 0);
    PartyFate() = kFateLost;
    EXPECT_EQ(RunDialog("x{esc}{down}{enter}"), 0);
}

// Enter alone never ends a beaten party's game: "게임을 끝낸다", a cancelled
// menu and a restore of nothing each ask once more, "아니오" first, and the
// answer no goes back to where the player was.
TEST_F(EndOfGameTest, ADefeatEndsOnlyOnASecondYes) {
    PartyFate() = kFateBattle;
    EXPECT_EQ(RunDialog("{down}{enter}{enter}{enter}{enter}{enter}{enter}{enter}"), kAsking);
    EXPECT_EQ(RunDialog("{esc}{esc}{esc}"), kAsking);
    EXPECT_EQ(RunDialog("{down}{enter}{down}{enter}"), 0);
    PartyFate() = kFateLost;
    EXPECT_EQ(RunDialog("x{enter}{enter}{enter}{enter}"), kAsking) << "the restore list, the question, the list";
    EXPECT_EQ(RunDialog("x{enter}{down}{enter}"), 0);
}

TEST_F(EndOfGameTest, TheRestoreListOpensOnTheSaveWrittenLast) {
    REQUIRE_FONTS();
    auto now = fs::file_time_type::clock::now();
    SaveAt('1', now - std::chrono::hours(2));
    SaveAt('7', now - std::chrono::minutes(1));
    SaveAt('4', now - std::chrono::hours(1));
    for (uint8_t fate : {kFateBattle, kFateLost}) {
        PartyFate() = fate;
        At("list", [] {
            EXPECT_EQ(ItemInk(65, 8), std::set<int>{15}) << "게임 데이타 6 (부): slot 7";
            EXPECT_EQ(ItemInk(65, 1), std::set<int>{7});
            EXPECT_EQ(ItemInk(65, 2), std::set<int>{7});
        });
        EXPECT_EQ(RunDialog("{enter}{shot:list}{esc}{down}{enter}"), 0);
    }
}

TEST_F(EndOfGameTest, DialogTexts) {
    REQUIRE_FONTS();
    PartyFate() = kFateBattle;
    At("asked", [] {
        EXPECT_EQ(InkIn(245, 50, 625, 65), std::set<int>{13});
        EXPECT_EQ(InkIn(245, 70, 625, 85), std::set<int>{10});
        EXPECT_EQ(ItemInk(100, 1), std::set<int>{15});
    });
    RunDialog("{shot:asked}{down}{enter}{down}{enter}");

    ResetKeyQueue();
    SetFillStyle(1, kBackground);
    Bar(0, 0, 639, 479);
    PartyFate() = kFateLost;
    At("dead", [] {
        EXPECT_EQ(InkIn(245, 50, 625, 65), std::set<int>{13});
        EXPECT_EQ(InkIn(245, 272, 625, 287), std::set<int>{14}) << "waits for any key";
    });
    RunDialog("{shot:dead}{enter}{esc}{down}{enter}");
}

TEST_F(EndOfGameTest, EndCommandKeepsItsNameOnEveryQuit) {
    { std::ofstream(folder / "End.cmd") << "echo bye"; }
    PartyFate() = kFateNone;
    EXPECT_EQ(RunDialog("{down}{enter}"), 0);
    EXPECT_TRUE(fs::exists(folder / "End.cmd"));
    EXPECT_FALSE(fs::exists(folder / "End.com"));
    std::ifstream in(folder / "End.cmd");
    std::string content;
    std::getline(in, content);
    EXPECT_EQ(content, "echo bye");

    // Found whatever its letter case, and left under that name.
    fs::rename(folder / "End.cmd", folder / "end.CMD");
    InFolder(folder, [] { TouchEndCommand(); });
    EXPECT_TRUE(fs::exists(folder / "end.CMD"));
    EXPECT_FALSE(fs::exists(folder / "End.com"));

    // Without it nothing happens.
    fs::remove(folder / "end.CMD");
    InFolder(folder, [] { EXPECT_NO_THROW(TouchEndCommand()); });
    EXPECT_TRUE(fs::is_empty(folder));
}

TEST_F(EndOfGameTest, EndCommandNeverOverwritesAnotherFile) {
    { std::ofstream(folder / "End.cmd") << "cmd"; }
    { std::ofstream(folder / "End.com") << "com"; }
    InFolder(folder, [] { EXPECT_THROW(TouchEndCommand(), IoError); });
    std::string a, b;
    std::getline(std::ifstream(folder / "End.cmd"), a);
    std::getline(std::ifstream(folder / "End.com"), b);
    EXPECT_EQ(a, "cmd");
    EXPECT_EQ(b, "com");
}

}  // namespace
}  // namespace vela
