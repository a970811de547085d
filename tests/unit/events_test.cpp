// The event engine and the scripts of 타른, 라스트디치, 레굴루스 and the
// overworld, played on the built maps.
#include <gtest/gtest.h>

#include <algorithm>
#include <limits>

#include "game/events/event_dispatch.h"
#include "game/events/map_script.h"
#include "game/events/primitives.h"
#include "game/state/party.h"
#include "game/state/rules.h"
#include "platform/headless_platform.h"
#include "game/world/map_catalogue.h"
#include "game/world/map_data.h"
#include "screen/gfx.h"
#include "screen/johab.h"
#include "screen/text_output.h"
#include "runtime/halt.h"
#include "runtime/key_queue.h"
#include "world_fixture.h"

namespace vela {
namespace {

using test::World;

int flagWord(int k) { return Party.Flags[k] | (Party.Flags[k + 1] << 8); }

TEST(DueDates, DayPlusNPastTheYearEndGoesToDayOneOfTheNext) {
    World w;
    Party.Year = 774;
    Party.Day = 340;
    SetDueDate(20);  // exactly 360: still this year
    EXPECT_EQ(DueDate().day, 360);
    EXPECT_EQ(DueDate().year, 774);
    EXPECT_FALSE(DueDatePassed());
    Party.Day = 341;
    SetDueDate(20);
    EXPECT_EQ(DueDate().day, 1);
    EXPECT_EQ(DueDate().year, 775);
    Party.Year = 775;
    Party.Day = 1;
    EXPECT_FALSE(DueDatePassed()) << "the due day itself is not later than the date";
    Party.Day = 2;
    EXPECT_TRUE(DueDatePassed());
}

TEST(DueDates, ADateInTheNextYearIsNotDueBeforeTheYearEnds) {
    World w;
    Party.Year = 774;
    Party.Day = 355;
    SetDueDate(30);  // however far past the year end
    EXPECT_EQ(DueDate().day, 1);
    EXPECT_EQ(DueDate().year, 775);
    Party.Day = 360;
    EXPECT_FALSE(DueDatePassed()) << "the last day of the year is before day 1 of the next";
    Party.Year = 776;
    Party.Day = 1;
    EXPECT_TRUE(DueDatePassed()) << "any day of a later year is past the date";
}

TEST(StoryStages, StepOneByOneAndStopAtTheLast) {
    World w;
    for (int n = 1; n <= int(StoryStage::MephistoSlain); ++n) {
        AdvanceStage();
        EXPECT_EQ(int(Stage()), n);
    }
    AdvanceStage();
    EXPECT_EQ(Stage(), StoryStage::MephistoSlain);
    for (int n = 1; n <= int(LordsTask::LetterWritten) + 1; ++n) AdvanceSubStage();
    EXPECT_EQ(SubStage(), LordsTask::LetterWritten);
}

TEST(Gifts, CountersStopAtTheirCapsAndFindsComeOnce) {
    World w;
    Party.Food = 250;
    AddFood(20);
    EXPECT_EQ(Party.Food, 255);
    Party.Arrows = 32760;
    AddArrows(100);
    EXPECT_EQ(+Party.Arrows, 32767);
    Party.Items[3] = 252;
    FindItem(Bit::TarnVault1, 3, 5);
    EXPECT_EQ(Party.Items[3], 255);
    EXPECT_TRUE(w.Said("일행은 해독의 약초를 5개 발견했다."));
    FindItem(Bit::TarnVault1, 3, 5);
    Party.Gold = std::numeric_limits<int32_t>::max() - 10;
    AddGold(1000);
    EXPECT_EQ(+Party.Gold, std::numeric_limits<int32_t>::max());
    Member[1].Experience = std::numeric_limits<int32_t>::max() - 5;
    GiveExperience(1000000);
    EXPECT_EQ(+Member[1].Experience, std::numeric_limits<int32_t>::max());
}

TEST(TarnSpecialSquares, TreasuresPayOnceAndTheExitAsksFirst) {
    World w;
    w.Enter(kTarn, 8, 48);
    w.OnSquare(90, 40);
    SpecialSquare();
    EXPECT_EQ(+Party.Gold, 2000);
    EXPECT_TRUE(w.Said("당신은 금화 2000 개를 발견했다."));
    w.OnSquare(91, 52);
    EXPECT_EQ(+Party.Gold, 7000);

    // The west gate: "no" steps the party back, "yes" leaves for the Ground.
    w.Enter(kTarn, 6, 48);
    w.Walk("{left}{down}{enter}");
    EXPECT_EQ(Party.MapNumber, kTarn);
    EXPECT_EQ(PartyX, 6);
    w.Walk("{left}{enter}");
    EXPECT_EQ(Party.MapNumber, kOverworld);
    EXPECT_EQ(PartyX, 20);
    EXPECT_EQ(PartyY, 12);
}

TEST(Reentry, TheGatesPutBackOpenedDoorsAndGoneRecruits) {
    World w;
    SetBit(Bit::Aldebaran);
    SetBit(Bit::TarnSouthGateOpen);
    SetBit(Bit::Castor);
    w.Enter(kOverworld, 20, 12);
    w.Walk("{up}{enter}");
    ASSERT_EQ(Party.MapNumber, kTarn);
    EXPECT_EQ(MapTile(89, 23), 47);
    EXPECT_EQ(MapTile(51, 87), 47);
    EXPECT_GE(MapTile(9, 64), 48) << "a companion not yet recruited still stands there";
    w.Enter(kOverworld, 76, 58);
    w.Walk("{up}{enter}");
    ASSERT_EQ(Party.MapNumber, kLastDitch);
    EXPECT_EQ(MapTile(41, 18), 47);
    EXPECT_EQ(PartyX, 38);
    EXPECT_EQ(PartyY, 63);
}

TEST(PyramidMouth, WarnsASmallOrUntriedPartyAndStillLetsItIn) {
    World w;
    auto knock = [&w](const std::string& keys) {
        w.Enter(kOverworld, 84, 87);
        w.Forget();
        w.EnterFrom(84, 87, 0, -1, keys);
        return w.Said("지금의 일행으로 들어가기에는 위험해");
    };
    EXPECT_TRUE(knock("{enter}")) << "the hero alone";
    EXPECT_EQ(Party.MapNumber, kPyramid) << "a warned party may still go in";
    EXPECT_TRUE(knock("{down}{enter}"));
    EXPECT_EQ(Party.MapNumber, kOverworld);

    World::AddMember(2, "동료", kFighterFamily, 1, 2);
    World::AddMember(3, "동료", kFighterFamily, 1, 2);
    EXPECT_TRUE(knock("{down}{enter}")) << "three, none of them at level 3";
    Member[3].Level = 3;
    EXPECT_FALSE(knock("{down}{enter}")) << "three, one of them at level 3";
    EXPECT_TRUE(w.Said("알수없는 피라미드 에 들어가기를 원합니까 ?"));
    Member[2].Name.set("");
    Member[3].Name.set("");
    Member[kHeroSlot].Level = 9;
    EXPECT_TRUE(knock("{down}{enter}")) << "a seasoned hero alone";
}

TEST(Recruits, JoinTheFirstFreeSlotAndAFullPartyIsRefused) {
    World w;
    w.Enter(kTarn, 8, 48);
    w.TalkFrom(89, 24, 0, -1, "{down}{enter}");
    EXPECT_TRUE(w.Said("당신이 바란다면 ..."));
    EXPECT_FALSE(IsSet(Bit::Aldebaran));

    w.Keys("{enter}");
    TalkTo();
    EXPECT_EQ(JohabToUtf8(Member[2].Name.str()), "알데바란");
    EXPECT_GT(Member[2].WeaponPower, 0);
    EXPECT_EQ(MapTile(89, 23), 47);
    EXPECT_TRUE(IsSet(Bit::Aldebaran));

    for (int slot = 3; slot <= 5; ++slot) World::AddMember(slot, "동료", kFighterFamily, 1, 1);
    w.TalkFrom(21, 34, 0, -1, "{enter}");
    EXPECT_TRUE(w.Said("벌써 사람이 모두 채워져 있군요."));
    EXPECT_FALSE(IsSet(Bit::Polaris));
    EXPECT_GE(MapTile(21, 33), 48);

    // The cackling stranger becomes the companion, never replacing one.
    w.TalkFrom(40, 16, 0, -1, "{enter}");
    EXPECT_FALSE(Member[kCompanionSlot].Name.empty());
    EXPECT_TRUE(IsSet(Bit::Goblin));
}

TEST(Ruler, WhileTheLordsTaskRunsHePointsToItsCurrentStep) {
    World w;
    w.Enter(kTarn, 51, 29);
    test::SetStage(StoryStage::SentToLastDitch);
    const std::pair<int, const char*> steps[] = {
        {0, "라스트디치는 남동쪽 강 건너에 있네"}, {1, "피라미드로"}, {3, "흉성의 증거와"}, {4, "라스트디치로 가 보게"}};
    for (auto [sub, words] : steps) {
        Party.Flags[FlagStorySubStage] = uint8_t(sub);
        w.Forget();
        w.TalkFrom(51, 29, 0, -1);
        EXPECT_TRUE(w.Said(words)) << sub;
        EXPECT_EQ(Stage(), StoryStage::SentToLastDitch);
    }
}

TEST(Ruler, FirstMissionPaysAndTheWaitsRunOnTheSameTalkOnceTheDateHasPassed) {
    World w;
    w.Enter(kTarn, 51, 29);
    w.TalkFrom(51, 29, 0, -1, "{enter}");
    EXPECT_EQ(Stage(), StoryStage::SentToMenace);
    EXPECT_EQ(+Party.Gold, 1000);
    EXPECT_EQ(+Member[1].Experience, 10000);
    EXPECT_TRUE(w.Said("[ 경험치 + 10000 ] [ 황금 + 1000 ]"));
    EXPECT_TRUE(IsSet(Bit::TarnRulersOrders));

    test::SetStage(StoryStage::SagesSummoned);
    TalkTo();
    EXPECT_EQ(Stage(), StoryStage::FirstWayPromised);
    EXPECT_EQ(+Party.Gold, 101000);
    w.Forget();
    TalkTo();
    EXPECT_EQ(Stage(), StoryStage::FirstWayPromised);
    EXPECT_TRUE(w.Said("774년 2월 9일까지는")) << "day 18 + 20 is day 38";
    Party.Day = 39;
    w.Forget();
    TalkTo();
    EXPECT_EQ(Stage(), StoryStage::FirstWayOpen);
    EXPECT_TRUE(w.Said("길이 열렸네."));

    // Stage 10: rewards, then the night passes to nine in the morning.
    test::SetStage(StoryStage::FirstDescentDone);
    Party.Flags[FlagTorch] = 200;
    Party.Hour = 20;
    w.Keys("{enter}");
    TalkTo();
    EXPECT_EQ(Party.Hour, 9);
    EXPECT_EQ(Party.Minute, 0);
    EXPECT_EQ(+Party.Day, 40);
    EXPECT_EQ(Party.Flags[FlagTorch], 0);
    EXPECT_EQ(+Member[1].Experience, 510000);
    EXPECT_TRUE(w.Said("아침이 밝았다."));

    test::SetStage(StoryStage::LastWayPromised);
    Party.Flags[FlagStoryObjectives] = 0x7F;
    Party.Day = 200;
    TalkTo();
    EXPECT_EQ(Stage(), StoryStage::LastWayOpen);
    EXPECT_EQ(Party.Flags[FlagStoryObjectives], 0);
}

TEST(BankVault, SurrenderStripsTheArmsAndRefusalEndsTheGame) {
    World w;
    w.Enter(kTarn, 8, 48);
    Member[1].Weapon = 3;
    Member[1].Armour = 2;
    w.TalkFrom(89, 47, 1, 0, "{enter}");
    EXPECT_EQ(Member[1].Weapon, 0);
    EXPECT_EQ(Member[1].Armour, 0);
    EXPECT_EQ(PartyX, 52);
    EXPECT_EQ(PartyY, 16);

    EXPECT_THROW(w.TalkFrom(89, 47, 1, 0, "{down}{enter}{enter}{down}{enter}{down}{enter}"), ProgramHalt);
    EXPECT_EQ(+Member[1].HP, -9999);
    EXPECT_EQ(+Member[1].Dead, 9999);
    EXPECT_EQ(PartyFate(), kFateBattle);
}

TEST(Herbalist, TheNoteSetsTheAppointmentAndTheHutKeepsIt) {
    World w;
    w.Enter(kRegulus, 18, 31);
    w.Walk("{up}{down}{enter}");
    EXPECT_EQ(flagWord(33), 28) << "day 18 of the first year plus 10";
    EXPECT_TRUE(w.Said("1월 29일 낮에 돌아오니"));
    EXPECT_EQ(PartyY, 31) << "staying steps back off the note";
    w.Walk("{up}{enter}");
    ASSERT_EQ(Party.MapNumber, kOverworld);

    // Too early: nobody is home.
    w.Walk("{up}{enter}");
    ASSERT_EQ(Party.MapNumber, kRegulus);
    EXPECT_EQ(MapTile(40, 13), 47);
    // On the day, from noon.
    Party.Day = 28;
    Party.Hour = 12;
    w.Enter(kOverworld, 82, 10);
    w.Walk("{up}{enter}");
    EXPECT_EQ(MapTile(40, 13), 49);
    EXPECT_TRUE(IsSet(Bit::HutAppointment));

    w.TalkFrom(40, 14, 0, -1);
    TalkTo();
    EXPECT_EQ(Party.Items[3], 5) << "the herbs are given once";
    EXPECT_TRUE(w.Said("라스트디치의 병원을"));
    Party.Flags[FlagMindReading] = 5;
    w.Keys("{enter}");
    TalkTo();
    EXPECT_EQ(JohabToUtf8(Member[2].Name.str()), "베가");
    EXPECT_EQ(MapTile(40, 13), 47);
    EXPECT_TRUE(IsSet(Bit::Vega));
    // Gone for good after that.
    w.Enter(kOverworld, 82, 10);
    w.Walk("{up}{enter}");
    EXPECT_EQ(MapTile(40, 13), 47);
}

TEST(LastDitchLord, WaitsForBothDeedsThenReadsThemAndSendsThePartyHomeInOneTalk) {
    World w;
    w.Enter(kLastDitch, 38, 63);
    test::SetStage(StoryStage::SentToLastDitch);
    Party.Flags[FlagStorySubStage] = 3;
    w.TalkFrom(38, 18, 0, -1);
    EXPECT_EQ(SubStage(), LordsTask::SentToTheRooms);
    SetBit(Bit::EvidenceTablet);
    SetBit(Bit::ClueObject);
    w.Forget();
    w.Keys("{enter}");
    TalkTo();
    EXPECT_EQ(+Party.Gold, 15000);
    EXPECT_EQ(+Member[1].Experience, 100000);
    EXPECT_TRUE(w.Said("서신으로 알리겠소"));
    EXPECT_TRUE(w.Said("타른으로 돌아가 헤베온을 만나시오"));
    EXPECT_EQ(SubStage(), LordsTask::LetterWritten);
    EXPECT_EQ(Stage(), StoryStage::LordsTaskDone);
}

TEST(Heroine, IsCalledADaughterWhereAHeroIsCalledASon) {
    for (int sex : {0, 1}) {
        World w;
        Member[kHeroSlot].Sex = uint8_t(sex);
        const char* child = sex == 0 ? "영웅의 아들이" : "영웅의 딸이";
        w.Enter(kTarn, 13, 56);
        w.TalkFrom(13, 56, 0, -1);
        EXPECT_TRUE(w.Said(child)) << "the rumour of the prophecy, sex " << sex;
        w.Enter(kMephisto, 25, 9);
        test::SetStage(StoryStage::LastWayOpen);
        w.Keys("{enter}");
        try {
            w.OnSquare(25, 8);
        } catch (const ScriptExhausted&) {
        }
        EXPECT_TRUE(w.Said(child)) << "메피스토펠레스's greeting, sex " << sex;
    }
}

TEST(CastleGuards, ARefusedFightLeavesItsBitClearAndAWonOneSetsIt) {
    World w;
    w.Enter(kTarn, 65, 29);
    w.OnSquare(65, 28, "{down}{enter}");
    EXPECT_FALSE(IsSet(Bit::TarnTreasuryGuards));
    EXPECT_EQ(PartyY, 29) << "refusing steps back off the square";

    World::MakeHeroUnbeatable();
    w.OnSquareUntilKeysRunOut(65, 28, "{enter}{enter*300}");
    EXPECT_TRUE(IsSet(Bit::TarnTreasuryGuards));
    EXPECT_TRUE(w.Said("경비병들은 모두 쓰러졌다."));
}

TEST(TarnGarden, TheGraveyardOpensOnTheGardenWhereTheTownspersonStands) {
    World w;
    w.Enter(kTarn, 71, 76);  // inside the graveyard's gate
    w.Walk("{down*3}{right*20}{down}");
    EXPECT_EQ(PartyX, 91);
    EXPECT_EQ(PartyY, 80);
    w.Walk("{down}");
    EXPECT_TRUE(w.Said("이 길은 묘지와 남문으로 이어져요."));
}

TEST(TarnSouthGate, OpensOnceTheKeyIsFoundAndStaysOpen) {
    World w;
    w.Enter(kTarn, 8, 48);
    w.TalkFrom(51, 86, 0, 1);
    EXPECT_GE(MapTile(51, 87), 48);
    w.OnSquare(78, 85);
    EXPECT_TRUE(IsSet(Bit::TarnKeyFound));
    w.TalkFrom(51, 86, 0, 1);
    EXPECT_EQ(MapTile(51, 87), 47);
    w.Walk("{down}{down}{enter}");
    EXPECT_EQ(Party.MapNumber, kOverworld) << "the south gate leads out too";
}

TEST(HiddenComrade, SpeaksOnlyToAMindThatReadsHisAndTellsHisStoryOnce) {
    World w;
    w.Enter(kLastDitch, 38, 63);
    w.TalkFrom(55, 56, -1, 0);
    EXPECT_FALSE(IsSet(Bit::BellatrixStory));
    Party.Flags[FlagMindReading] = 3;
    w.Forget();
    w.Keys("{enter}{enter}{enter}{down}{enter}");
    TalkTo();
    EXPECT_TRUE(IsSet(Bit::BellatrixStory));
    EXPECT_FALSE(IsSet(Bit::Bellatrix)) << "he was turned down";
    int storyLines = 0;
    for (const std::string& line : w.lines) storyLines += line.find("아무키나") == std::string::npos;
    EXPECT_GE(storyLines, 46);
    w.Forget();
    w.Keys("{enter}");
    TalkTo();
    EXPECT_TRUE(IsSet(Bit::Bellatrix));
    EXPECT_EQ(MapTile(54, 56), 47);
    EXPECT_FALSE(w.Said("26년 동안")) << "the story is told once";
}

TEST(LastDitchSquares, TheWalledCaveAndTheGateNoticeSpeak) {
    World w;
    w.Enter(kLastDitch, 7, 12);
    w.Walk("{up}");
    EXPECT_TRUE(w.Said("동굴의 입구는 커다란 돌로 단단히 막혀"));
    EXPECT_EQ(PartyY, 12);
    w.Enter(kLastDitch, 38, 42);
    w.Walk("{up}");
    EXPECT_TRUE(w.Said("성문에 방이 붙어 있다."));
    EXPECT_EQ(PartyY, 41);
}

// Every sign of every map opens with "푯말에 쓰여있기로 ..." and leaves it on
// the screen above its own words: no sign clears the window after it.
TEST(Signs, EveryOneKeepsTheHeadingAboveItsWords) {
    World w;
    int headingX = -1, headingY = -1;
    SetTextObserver([&](int x, int y, int, std::string_view johab) {
        if (JohabToUtf8(johab).starts_with("푯말에 쓰여있기로")) {
            headingX = x;
            headingY = y;
        }
    });
    int signs = 0;
    for (const MapInfo& map : kMapCatalogue) {
        const mkdata::MapMark arrival = test::MapSourceOf(map.name).entries.at(0);
        for (const Block& block : BlocksOf(*ScriptOfMap(map.id), Handler::Sign)) {
            for (Square s : block.squares) {
                w.Enter(map.id, arrival.x, arrival.y);
                w.Place(s.x, s.y + 1);
                w.Keys("{enter*4}");
                headingX = headingY = -1;
                ReadSign();
                w.platform.SetScript({});
                ResetKeyQueue();
                ASSERT_GE(headingY, 0) << map.name << " " << s.x << "," << s.y;
                // The heading's first two syllables are still drawn.
                bool drawn = false;
                for (int y = headingY; y < headingY + 16; ++y)
                    for (int x = headingX; x < headingX + 32; ++x) drawn = drawn || Screen[y * 640 + x] != PixelOf(8);
                EXPECT_TRUE(drawn) << map.name << " " << s.x << "," << s.y;
                ++signs;
            }
        }
    }
    EXPECT_GE(signs, 20);
}

// A block that only speaks is data: its heading, lines and page breaks are
// said in the order written, and a page waits for a key.
TEST(SpokenBlocks, SayTheirHeadingLinesAndPagesInOrder) {
    World w;
    w.Keys("{enter}");
    Speak(Words{Header("묘비"_j), Said(TextColour::Epitaph, {"하나"_j, "둘"_j}), Page(),
                Said(TextColour::Writing, {"셋"_j})});
    auto at = [&](const std::string& text) {
        auto found = std::find_if(w.lines.begin(), w.lines.end(),
                                  [&](const std::string& line) { return line.find(text) != std::string::npos; });
        return found - w.lines.begin();
    };
    ASSERT_LT(at("셋"), std::ptrdiff_t(w.lines.size()));
    EXPECT_LT(at("묘비"), at("하나"));
    EXPECT_LT(at("하나"), at("둘"));
    EXPECT_LT(at("둘"), at("아무키나 누르십시오"));
    EXPECT_LT(at("아무키나 누르십시오"), at("셋"));
}

}  // namespace
}  // namespace vela
