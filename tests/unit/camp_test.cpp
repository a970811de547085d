// The camp: rest, healing and change magic, items, the powers of the mind
// and the game options, driven with scripted keys.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "game/battle/enemy_group.h"
#include "game/camp/camp_esp.h"
#include "game/camp/change_magic.h"
#include "game/camp/game_options.h"
#include "game/acts/healing_magic.h"
#include "game/camp/prophecy.h"
#include "game/camp/rest.h"
#include "game/acts/teleport.h"
#include "game/acts/use_item.h"
#include "game/state/party.h"
#include "game/state/rules.h"
#include "game/world/map_data.h"
#include "screen/gfx.h"
#include "screen/johab.h"
#include "session.h"
#include "app/play_game.h"
#include "runtime/key_queue.h"

namespace vela {
namespace {

// A named member at the level, with Endurance 10 (full health 100 x level)
// and Mentality 10.
MemberRecord& person(int slot, const char* utf8Name, int level, int hp) {
    MemberRecord& m = Member[slot];
    m.Name.set(Utf8ToJohab(utf8Name));
    m.Level = uint8_t(level);
    m.Endurance = 10;
    m.Mentality = 10;
    m.HP = int16_t(hp);
    return m;
}

MemberRecord& mage(int slot, const char* utf8Name, int level, int sp) {
    MemberRecord& m = person(slot, utf8Name, level, 100 * level);
    m.Family = kMageFamily;
    m.Class = 1;
    m.SP = int16_t(sp);
    return m;
}

void onTarn() { test::LoadMapAt(6, 20, 48); }

void rest(test::Session& s, const std::string& keys) {
    s.platform.AppendKeys(keys);
    Rest();
}

TEST(Rest, OneHourWakesNobodyAndHealsByLevel) {
    test::Session s;
    test::Transcript t;
    person(1, "가나", 3, 0).Unconscious = 5;
    person(2, "다라", 4, 100);
    Party.Food = 10;
    Party.Hour = 10;
    RestHours = 2;
    rest(s, "{down}{enter}");
    EXPECT_EQ(RestHours, 1);
    EXPECT_EQ(+Member[1].Unconscious, 5) << "1 / 2 = 0 hours of waking";
    EXPECT_TRUE(t.has("가나는 여전히 의식 불명이다"));
    EXPECT_EQ(+Member[2].HP, 104);
    EXPECT_EQ(Party.Food, 9);
    EXPECT_EQ(Party.Hour, 11);
}

TEST(Rest, FoodRunsOutMidwayAndTheWholeDoNotEat) {
    test::Session s;
    test::Transcript t;
    for (int slot = 1; slot <= 5; ++slot) person(slot, "가", 1, 10);
    Member[1].HP = 100;  // whole already
    Party.Food = 3;
    RestHours = 6;
    rest(s, "{enter}");
    EXPECT_EQ(+Member[2].HP, 16);
    EXPECT_EQ(+Member[4].HP, 16);
    EXPECT_EQ(+Member[5].HP, 10) << "no food left for the last one";
    EXPECT_EQ(Party.Food, 0);
    EXPECT_TRUE(t.has("일행은 식량이 바닥났다"));
    EXPECT_TRUE(t.has("가는 모든 건강이 회복되었다"));
}

TEST(Rest, UnconsciousWakeUpPoisonBlocksAndTimersRunDown) {
    test::Session s;
    test::Transcript t;
    person(1, "가", 3, 0).Unconscious = 5;
    MemberRecord& poisoned = person(2, "나", 3, 0);
    poisoned.Unconscious = 5;
    poisoned.Poison = 1;
    person(3, "다", 3, 50).Poison = 2;
    Party.Food = 5;
    Party.Flags[FlagTorch] = 2;
    Party.Flags[FlagLevitation] = 200;
    RestHours = 4;
    rest(s, "{enter}");
    EXPECT_EQ(+Member[1].Unconscious, 0);
    EXPECT_EQ(+Member[1].HP, 1);
    EXPECT_EQ(+Member[2].Unconscious, 5);
    EXPECT_EQ(+Member[3].HP, 50);
    EXPECT_TRUE(t.has("독때문에, 나 그의 의식은 회복되지 않았다"));
    EXPECT_TRUE(t.has("독때문에, 다 그의 건강은 회복되지 않았다"));
    EXPECT_EQ(Party.Food, 4);
    EXPECT_EQ(Party.Flags[FlagTorch], 0) << "4 / 3 + 1 = 2 burnt";
    EXPECT_EQ(Party.Flags[FlagLevitation], 0);
}

TEST(Rest, LevelsComeFromTrainedExperienceAndMagicPointsFill) {
    test::Session s;
    test::Transcript t;
    MemberRecord& m = mage(1, "가", 1, 0);
    m.TrainedExperience = LevelExperience(4);
    mage(2, "나", 2, 0).Experience = 100000000;  // spendable: no level
    Party.Food = 9;
    RestHours = 1;
    rest(s, "{enter}");
    EXPECT_EQ(Member[1].Level, 4);
    EXPECT_EQ(+Member[1].SP, 100) << "filled at the level before the rise";
    EXPECT_EQ(Member[2].Level, 2);
    EXPECT_TRUE(t.has("가의 레벨은 4 입니다"));
}

TEST(Rest, HoursStayWithinOneToTwentyFourAndEscRestsNot) {
    test::Session s;
    person(1, "가", 1, 10);
    Party.Food = 9;
    RestHours = 24;
    rest(s, "{up}{right}{esc}");
    EXPECT_EQ(RestHours, 24);
    EXPECT_EQ(+Member[1].HP, 10);
    EXPECT_EQ(Party.Food, 9);
    RestHours = 1;
    rest(s, "{down}{left}{enter}");
    EXPECT_EQ(RestHours, 1);
}

TEST(Rest, ANewGameOffersSixHoursAndAttacksTheUnconscious) {
    test::Session s;
    Member[1].Name.set("a");
    InitNewGame();
    RestHours = 20;
    AttackUnconscious = 0;
    StartGame();
    EXPECT_EQ(RestHours, 6);
    EXPECT_EQ(AttackUnconscious, 1);
}

// The caster is member 1, a mage with healing skill 30 unless set.
void heal(test::Session& s, const std::string& keys) {
    CurrentMember = 1;
    s.platform.AppendKeys(keys);
    HealingMagic();
}

TEST(HealingMagic, CostsAndRefusals) {
    test::Session s;
    test::Transcript t;
    MemberRecord& caster = mage(1, "가", 5, 1500);
    caster.Skills[3] = 50;
    person(2, "나", 3, 10).Unconscious = 100;
    heal(s, "{down}{enter}{down*2}{enter}{enter}");  // 나, 한명 의식 돌림
    EXPECT_EQ(+caster.SP, 500) << "waking from 100 costs 1000";
    EXPECT_EQ(+Member[2].Unconscious, 0);

    Member[2].Poison = 3;
    heal(s, "{down}{enter}{enter}{enter}");  // 한명 치료 on a poisoned member
    EXPECT_TRUE(t.has("나는 치료될 상태가 아닙니다."));
    EXPECT_EQ(+caster.SP, 500);
    heal(s, "{down}{enter}{down*4}{enter}{enter}");  // 한명 복합 치료: cure, then heal
    EXPECT_EQ(Member[2].Poison, 0);
    EXPECT_EQ(+Member[2].HP, 110);
    EXPECT_EQ(+caster.SP, 500 - 15 - 10);

    caster.SP = 5;
    heal(s, "{down}{enter}{enter}{enter}{enter}");
    EXPECT_TRUE(t.has("그러나, 마법 지수가 충분하지 않습니다."));
    EXPECT_EQ(+Member[2].HP, 110);
}

TEST(HealingMagic, AClassSevenFighterHealsEveryoneFromSkillSixty) {
    for (int skill : {59, 60}) {
        test::Session s;
        test::Transcript t;
        MemberRecord& fighter = person(1, "가", 5, 500);
        fighter.Class = 7;
        fighter.SP = 200;
        fighter.Skills[2] = uint8_t(skill);
        person(2, "나", 1, 10);
        heal(s, "{up}{enter}{enter}{enter}");  // the last choosable target
        EXPECT_EQ(t.has("모두 치료"), skill == 60) << skill;
        EXPECT_EQ(+Member[2].HP, skill == 60 ? 100 : 10) << skill;
    }
}

TEST(HealingMagic, RefusalsAreSilentInBattle) {
    test::Session s;
    test::Transcript t;
    mage(1, "가", 5, 100).Skills[3] = 30;
    person(2, "나", 1, 100);
    PartyFate() = kFateBattle;
    heal(s, "{down}{enter}{enter}{enter}");
    EXPECT_FALSE(t.has("치료할 필요가 없습니다"));
    PartyFate() = kFateNone;
    heal(s, "{down}{enter}{enter}{enter}");
    EXPECT_TRUE(t.has("나는 치료할 필요가 없습니다."));
}

void change(test::Session& s, const std::string& keys) {
    CurrentMember = 1;
    s.platform.AppendKeys(keys);
    ChangeMagic();
}

TEST(ChangeMagic, TeleportPaysOnlyWhenItCounts) {
    test::Session s;
    onTarn();
    MemberRecord& caster = mage(1, "가", 5, 200);
    caster.Skills[2] = 80;
    for (int x = 21; x <= 29; ++x) SetMapTile(x, 48, 44);
    SetMapTile(25, 48, 0);  // a forbidden square five east
    change(s, "{down*7}{enter}{down*2}{enter}{enter}");
    EXPECT_EQ(+caster.SP, 150) << "repelled, yet paid";
    EXPECT_EQ(PartyX, 20);
    change(s, "{down*7}{enter}{down*2}{enter}{down}{enter}");  // four squares
    EXPECT_EQ(+caster.SP, 100);
    EXPECT_EQ(PartyX, 24);
    change(s, "{down*7}{enter}{down*2}{enter}{esc}");
    EXPECT_EQ(+caster.SP, 100);
}

TEST(ChangeMagic, TheDemonsCavesStopTeleportAndNothingElseDoes) {
    test::Session s;
    test::Transcript t;
    onTarn();
    const std::string refusal = "이 동굴의 악의 힘이 공간 이동을 방해 합니다.";
    for (MapId map : {kBelial, kMoloch, kAsmodeus, kUnderworld1, kMortal}) {
        Party.MapNumber = map;
        std::size_t before = t.text.size();
        s.platform.SetScript({});
        ResetKeyQueue();
        s.platform.AppendKeys("{esc}");  // elsewhere the direction is asked for
        EXPECT_FALSE(Teleport());
        bool refused = t.text.find(refusal, before) != std::string::npos;
        EXPECT_EQ(refused, map == kBelial || map == kMoloch || map == kAsmodeus) << int(map);
    }
}

TEST(ChangeMagic, FoodMakingStopsAt255) {
    test::Session s;
    onTarn();
    mage(1, "가", 5, 200).Skills[2] = 90;
    for (int slot = 2; slot <= 6; ++slot) person(slot, "나", 1, 10);
    Party.Food = 250;
    change(s, "{down*8}{enter}");
    EXPECT_EQ(Party.Food, 255);
    EXPECT_EQ(+Member[1].SP, 170);
}

void useItem(test::Session& s, int selectable, const std::string& keys) {
    CurrentMember = 1;
    s.platform.AppendKeys(keys);
    UseItem(selectable);
}

TEST(UseItem, CountsAndSpentItems) {
    test::Session s;
    test::Transcript t;
    person(1, "가", 2, 50);
    useItem(s, 10, "{enter}{enter}");
    EXPECT_TRUE(t.has(" 하지만 체력 회복약이 없습니다."));

    Party.Items[3] = 2;
    useItem(s, 10, "{down*2}{enter}");
    EXPECT_EQ(Party.Items[3], 1) << "spent without effect";
    EXPECT_TRUE(t.has(" 가는 중독 되지 않았습니다."));
    EXPECT_TRUE(t.has(" 해독의 약초는 이제 1개 남았습니다."));

    Party.Items[5] = 1;
    Member[1].Dead = 10000;
    useItem(s, 5, "{up}{enter}{enter}");  // in battle the menu wraps to item 5
    EXPECT_TRUE(t.has("가의 죽음은 이 약초로는 살리지 못합니다."));
    EXPECT_EQ(Party.Items[5], 0);
    EXPECT_EQ(+Member[1].Dead, 10000);
}

TEST(UseItem, TheScrollSummonsAtFiveTimesTheAverageLevel) {
    test::Session s;
    person(1, "가", 3, 300);
    person(2, "나", 4, 400);
    person(3, "다", 20, 0).Unconscious = 1;  // cannot act: not counted
    Party.Items[6] = 1;
    useItem(s, 10, "{down*5}{enter}");
    EXPECT_EQ(Member[kCompanionSlot].Level, 4) << "average 3.5 rounds to 4: skill 20";
    EXPECT_EQ(Member[kCompanionSlot].Family, 3);
    EXPECT_FALSE(Member[kCompanionSlot].Name.empty());
}

// The overview of a map larger than 100 x 80 reaches 50 cells to each side
// of the party and 40 above and below it; against an edge it is 100 x 80.
TEST(WatcherEye, ShowsFiftyCellsEachSideFortyAboveAndBelowAndStopsAtTheEdge) {
    test::Session s;
    test::LoadMapAt(2, 20, 20);  // the pyramid, 190 x 120
    ASSERT_GT(MapWidth, 101);
    ASSERT_GT(MapHeight, 81);
    constexpr int kWall = 5;  // drawn in colour 15
    auto look = [&](int x, int y) {
        PartyX = x;
        PartyY = y;
        std::fill(Screen.begin(), Screen.end(), PixelOf(8));
        s.platform.AppendKeys("{enter}");
        WatcherEye();
    };
    auto shown = [](int column, int row) { return Screen[(305 + 2 * row) * 640 + 32 + 2 * column] == PixelOf(15); };
    int x = MapWidth / 2, y = MapHeight / 2;
    for (int dx : {-50, 50}) SetMapTile(x + dx, y + 5, kWall);
    for (int dy : {-40, 40}) SetMapTile(x + 5, y + dy, kWall);
    look(x, y);
    EXPECT_TRUE(shown(0, 45));
    EXPECT_TRUE(shown(100, 45));
    EXPECT_TRUE(shown(55, 0));
    EXPECT_TRUE(shown(55, 80));

    SetMapTile(100, 20, kWall);
    SetMapTile(101, 20, kWall);
    SetMapTile(20, 80, kWall);
    SetMapTile(20, 81, kWall);
    look(10, 10);
    EXPECT_TRUE(shown(99, 19));
    EXPECT_FALSE(shown(100, 19)) << "against the west edge the window is cells 1 to 100";
    EXPECT_TRUE(shown(19, 79));
    EXPECT_FALSE(shown(19, 80));
}

TEST(Prophecy, TheStoryStateChoosesThePhrase) {
    test::Session s(false);
    struct Case {
        int stage, sub, bits, index;
    };
    const Case cases[] = {{0, 0, 0, 1},   {7, 0, 0, 1},    {5, 3, 0, 9},     {5, 5, 0, 3},   {5, 6, 0, 0},
                          {9, 0, 0b0011, 13}, {9, 0, 0b1111, 15}, {12, 0, 0b0010000, 17},
                          {15, 0, 0b111, 22}, {16, 0, 0, 22},  {17, 0, 0, 0}};
    for (const Case& c : cases) {
        Party.Flags[FlagStoryStage] = uint8_t(c.stage);
        Party.Flags[FlagStorySubStage] = uint8_t(c.sub);
        Party.Flags[FlagStoryObjectives] = uint8_t(c.bits);
        EXPECT_EQ(ProphecyIndex(), c.index) << c.stage << "/" << c.sub << "/" << c.bits;
    }
    for (std::string_view phrase : ProphecyPhrases) {
        std::string utf8 = JohabToUtf8(phrase);
        std::size_t characters = 0;
        for (unsigned char ch : utf8) characters += (ch & 0xC0) != 0x80;
        EXPECT_GE(characters, 6u) << utf8;
        EXPECT_LE(characters, 25u) << utf8;
        // " # 당신은 <phrase> 것이다" stays on one line: 8 pixels a Johab byte.
        EXPECT_LE(8 * phrase.size(), 216u) << utf8;
    }
}

TEST(CampEsp, SeeingThroughRestoresTheImagesAndProphecyMayBeBlocked) {
    test::Session s;
    test::Transcript t;
    onTarn();
    MemberRecord& m = mage(1, "가", 5, 100);
    m.Skills[5] = 80;
    std::vector<uint8_t> tile0(TileImage(0), TileImage(0) + kImageSlotBytes);
    s.platform.AppendKeys("{enter}{enter}x");
    CampEsp();
    EXPECT_TRUE(t.has("일행은 주위를 투시하고 있다."));
    EXPECT_EQ(std::vector<uint8_t>(TileImage(0), TileImage(0) + kImageSlotBytes), tile0);
    EXPECT_EQ(+m.SP, 90);

    test::SetStage(StoryStage::MephistoSlain);
    s.platform.AppendKeys("{enter}{down}{enter}");
    CampEsp();
    EXPECT_TRUE(t.has("당신은 어떤 힘에 의해 예언을 방해 받고 있다"));
    EXPECT_EQ(+m.SP, 85);
}

// The table of docs/CONTENT.md, "The way through the story": every row's
// state is set and the prophecy cast must say the row's phrase.
TEST(WayThroughTheStory, TheProphecySaysWhatTheTableOfTheStorySays) {
    std::ifstream doc(VELA_SOURCE_DIR "/docs/CONTENT.md");
    std::string line;
    while (std::getline(doc, line) && line != "## The way through the story") {
    }
    test::Session s;
    test::Transcript t;
    onTarn();
    MemberRecord& m = mage(1, "가", 5, 0);
    m.Skills[5] = 80;
    int rows = 0;
    while (std::getline(doc, line) && line.rfind("## ", 0) != 0) {
        std::vector<std::string> cells;
        std::stringstream in(line);
        for (std::string cell; std::getline(in, cell, '|');) {
            std::size_t from = cell.find_first_not_of(' '), to = cell.find_last_not_of(' ');
            cells.push_back(from == std::string::npos ? "" : cell.substr(from, to - from + 1));
        }
        if (cells.size() != 6 || cells[1].empty() || !std::isdigit(static_cast<unsigned char>(cells[1][0]))) continue;
        Party.Flags[FlagStoryStage] = uint8_t(std::stoi(cells[1]));
        Party.Flags[FlagStorySubStage] = cells[2].rfind("sub ", 0) == 0 ? uint8_t(std::stoi(cells[2].substr(4))) : 0;
        Party.Flags[FlagStoryObjectives] = cells[2].rfind("bits ", 0) == 0 ? uint8_t(std::stoi(cells[2].substr(5), nullptr, 16)) : 0;
        std::string said = cells[5] == "(hindered)" ? "당신은 어떤 힘에 의해 예언을 방해 받고 있다" : "당신은 " + cells[5] + " 것이다";
        m.SP = 100;
        t.text.clear();
        s.platform.AppendKeys("{enter}{down}{enter}");
        CampEsp();
        EXPECT_TRUE(t.has(said)) << line;
        ++rows;
    }
    EXPECT_EQ(rows, 30) << "every stage and step of the story";
}

TEST(GameOptions, OrderDismissAndUnequip) {
    test::Session s;
    person(1, "가", 1, 10);
    person(2, "나", 1, 10);
    person(4, "라", 1, 20);
    s.platform.AppendKeys("{down}{enter}{enter}{down*2}{enter}");  // swap members 2 and 4
    GameOptionsMenu();
    EXPECT_EQ(JohabToUtf8(Member[2].Name.str()), "라");
    EXPECT_EQ(JohabToUtf8(Member[4].Name.str()), "나");
    EXPECT_EQ(+Member[4].HP, 10);

    person(6, "마", 1, 10);
    s.platform.AppendKeys("{down*3}{enter}{down*4}{enter}");  // dismiss the companion
    GameOptionsMenu();
    EXPECT_TRUE(Member[6].Name.empty());

    Member[1].Weapon = 3;
    Member[1].WeaponPower = 35;
    s.platform.AppendKeys("{down*2}{enter}{enter}{enter}");
    GameOptionsMenu();
    EXPECT_EQ(Member[1].Weapon, 0);
    EXPECT_EQ(Member[1].WeaponPower, 35) << "only the number changes";
}

// The difficulty questions and the order's second list open on what stands,
// so Enters that only look change nothing.
TEST(GameOptions, EveryChoiceOpensOnTheCurrentSetting) {
    test::Session s;
    Party.Flags[FlagMaxEnemies] = 6;
    Party.Flags[FlagTemperament] = 1;
    AttackUnconscious = 0;
    s.platform.AppendKeys("{enter}{enter}{enter}{enter}");
    GameOptionsMenu();
    EXPECT_EQ(Party.Flags[FlagMaxEnemies], 6);
    EXPECT_EQ(Party.Flags[FlagTemperament], 1);
    EXPECT_EQ(AttackUnconscious, 0);
    s.platform.AppendKeys("{enter}{down}{enter}{up}{enter}{up}{enter}");
    GameOptionsMenu();
    EXPECT_EQ(Party.Flags[FlagMaxEnemies], 7);
    EXPECT_EQ(Party.Flags[FlagTemperament], 2);
    EXPECT_EQ(AttackUnconscious, 1);

    person(1, "가", 1, 10);
    person(2, "나", 1, 10);
    person(4, "라", 1, 20);
    s.platform.AppendKeys("{down}{enter}{down*2}{enter}{enter}");
    GameOptionsMenu();
    EXPECT_EQ(JohabToUtf8(Member[2].Name.str()), "나");
    EXPECT_EQ(JohabToUtf8(Member[4].Name.str()), "라");
}

}  // namespace
}  // namespace vela
