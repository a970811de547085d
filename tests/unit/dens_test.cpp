// The dens of the first act: the pyramid's statues and their offer, its
// traps and doors, the cave of levers, the archive and the altar of 메너스.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/acts/member_limits.h"
#include "game/events/event_dispatch.h"
#include "game/events/map_script.h"
#include "game/events/primitives.h"
#include "game/events/statue_quiz.h"
#include "game/state/party.h"
#include "game/world/map_data.h"
#include "world_fixture.h"

namespace vela {
namespace {

using test::World;

// The keys that read the statue's introduction and give the answers.
std::string answers(const std::vector<int>& picks) {
    std::string keys = "{enter}";
    for (int pick : picks) keys += std::string(pick > 1 ? "{down*" + std::to_string(pick - 1) + "}" : "") + "{enter}";
    return keys;
}

TEST(Statues, SleepUntilTheStoneIsReadThenAskEveryQuestionAndPayOnce) {
    World w;
    w.Enter(kPyramid, 100, 98);
    w.OnSquare(171, 94);
    EXPECT_TRUE(w.lines.empty()) << "a sleeping statue says nothing";

    w.Place(30, 101);
    ReadSign();
    ASSERT_TRUE(IsSet(Bit::PyramidStatuesAwake));

    // Physics: right, wrong, right. The last right answer does not save it,
    // and nothing says which one was wrong.
    w.Forget();
    w.OnSquare(171, 94, answers({3, 1, 2}));
    EXPECT_TRUE(w.Said("험을 통과한것으로 간주하겠소."));
    EXPECT_TRUE(w.Said("만약 나의 3 가지 질문을 모두 통과하면 이 시"));
    EXPECT_FALSE(IsSet(Bit::StatuePhysics));
    EXPECT_EQ(+Member[1].Experience, 0);

    w.OnSquare(171, 94, answers({3, 4, 2}));
    EXPECT_TRUE(IsSet(Bit::StatuePhysics));
    EXPECT_TRUE(w.Said("[ 경험치 + 50000 ]"));
    EXPECT_EQ(+Member[1].Experience, 50000);

    // Every later visit is the offer; Esc at the member list leaves it.
    for (int visit = 0; visit < 2; ++visit) {
        w.Forget();
        w.OnSquare(171, 94, "{esc}");
        EXPECT_TRUE(w.Said("중의 한사람의 체력을 한 단계 올려 주겠소."));
    }
    EXPECT_EQ(+Member[1].Experience, 50000);

    // The other four with their fixed answers; the last one opens the lord's
    // next branch.
    test::SetStage(StoryStage::SentToLastDitch);
    Party.Flags[FlagStorySubStage] = 1;
    w.OnSquare(157, 94, answers({3, 2, 3, 4}));
    w.OnSquare(157, 108, answers({4, 1, 3, 2}));
    w.OnSquare(170, 108, answers({4, 2, 3}));
    EXPECT_EQ(SubStage(), LordsTask::SentToPyramid);
    w.OnSquare(186, 108, answers({2, 4, 1}));
    EXPECT_TRUE(AllStatuesPassed());
    EXPECT_EQ(SubStage(), LordsTask::StatuesPassed);
    EXPECT_EQ(+Member[1].Experience, 250000);

    // The broken statue only stammers.
    w.Forget();
    w.OnSquare(186, 95);
    EXPECT_TRUE(w.Said(" Program is Terminated !! ($F34DC1:$01BA8) "));
    EXPECT_TRUE(w.Said("로 작동하지 않았다."));
}

TEST(StatForGold, PricesCapsAndShortGold) {
    World w;
    MemberRecord& hero = Member[1];
    auto offer = [&](Ability a) {
        w.Forget();
        w.Keys("{enter}");
        StatForGold(a);
    };
    hero.Accuracy = 0;
    hero.Agility = 0;
    Party.Gold = 90;
    offer(Ability::Accuracy);
    EXPECT_EQ(hero.Accuracy, 1);
    EXPECT_EQ(+Party.Gold, 30) << "accuracy from 0 pays the price of step 1";
    offer(Ability::Agility);
    EXPECT_EQ(hero.Agility, 1);
    EXPECT_EQ(+Party.Gold, 0);

    offer(Ability::Agility);
    EXPECT_TRUE(w.Said("일행은 60 개의 황금이 필요합니다."));
    EXPECT_EQ(hero.Agility, 1);
    EXPECT_EQ(+Party.Gold, 0);

    Party.Gold = 10000000;
    hero.Accuracy = 19;
    offer(Ability::Accuracy);
    EXPECT_EQ(hero.Accuracy, 20);
    EXPECT_EQ(+Party.Gold, 10000000 - 384000);
    offer(Ability::Accuracy);
    EXPECT_EQ(hero.Accuracy, 20);
    EXPECT_TRUE(w.Said(" 지금 최고의 정확성 수치입니다."));

    // Step 28 costs 3,500,000, between its neighbours (the table once read
    // 350,000 there, a step that was cheaper than the one before it).
    hero.Mentality = 28;
    int32_t before = Party.Gold;
    offer(Ability::Mentality);
    EXPECT_EQ(before - Party.Gold, 3500000);
    EXPECT_EQ(hero.Mentality, 29);
}

TEST(PyramidSquares, TheLavaTrapATeleportTheStairsAndTheFinds) {
    World w;
    w.Enter(kOverworld, 84, 85);
    w.Walk("{down}{enter}");
    ASSERT_EQ(Party.MapNumber, kPyramid);
    EXPECT_EQ(PartyX, 100);
    EXPECT_EQ(PartyY, 98);

    w.OnSquare(100, 67);
    EXPECT_TRUE(w.Said("으로 바뀌고 말았다."));
    for (Square s : {Square{99, 66}, Square{100, 66}, Square{101, 66}, Square{99, 67}, Square{101, 67}, Square{99, 68},
                     Square{101, 68}})
        EXPECT_EQ(MapTile(s.x, s.y), 50);

    w.OnSquare(160, 58);
    EXPECT_TRUE(w.Said("일행은 공간 이동 되어졌다."));
    EXPECT_EQ(PartyX, 172);
    EXPECT_EQ(PartyY, 40);

    w.OnSquare(144, 56);
    w.OnSquare(144, 56);
    EXPECT_EQ(+Party.Gold, 5000);
    w.OnSquare(146, 57);
    EXPECT_EQ(+Party.Items[8], 5);

    w.EnterFrom(100, 99, 0, 1, "{enter}");
    EXPECT_EQ(Party.MapNumber, kOverworld);
    EXPECT_EQ(PartyX, 84);
    EXPECT_EQ(PartyY, 85);
}

TEST(PyramidSquares, TheTrialsStoneInTheLowestRowCanBeRead) {
    World w;
    w.Enter(kPyramid, 143, 115);
    w.Walk("{down}");
    EXPECT_TRUE(w.Said("여섯 석상의 시험"));
    EXPECT_EQ(PartyY, 115);
}

TEST(PyramidGuards, EachWonFightEndsInItsVictoryLine) {
    const struct {
        int x, y;
        Bit bit;
        const char* victory;
    } fights[] = {
        {22, 24, Bit::PyramidGuardCrypt, " 석상들은 다시 모래가 되어 무너져 내렸다."},
        {136, 66, Bit::PyramidGuardClue, " 계단을 지키던 파수병들이 모두 쓰러졌다."},
        {125, 24, Bit::PyramidGuardTreasury, " 황금 가면이 갈라져 바닥에 떨어졌다."},
    };
    for (const auto& f : fights) {
        World w;
        World::MakeHeroUnbeatable();
        w.Enter(kPyramid, f.x, f.y + 1);
        w.OnSquareUntilKeysRunOut(f.x, f.y, "{enter*300}");
        EXPECT_TRUE(IsSet(f.bit)) << f.victory;
        EXPECT_TRUE(w.Said(f.victory));
    }
}

TEST(ClosedDoors, TheArchiveStaysShutAndTheLeversOpenTheCave) {
    World w;
    w.Enter(kEvidence, 21, 34);
    w.EnterFrom(25, 8, 0, -1);
    EXPECT_TRUE(w.Said("막혀 있다. 누군가 일부러 막아 놓은"));
    EXPECT_EQ(MapTile(25, 7), 54);

    // The scene below the stair waits for the tablet and plays once.
    w.OnSquare(25, 12);
    EXPECT_FALSE(IsSet(Bit::EvidenceScene));
    w.OnSquare(35, 15);
    EXPECT_TRUE(IsSet(Bit::EvidenceTablet));
    w.OnSquare(26, 12);
    EXPECT_TRUE(IsSet(Bit::EvidenceScene));

    w.Enter(kPyramid, 149, 66);
    w.EnterFrom(149, 66, 0, -1, "{enter}");
    ASSERT_EQ(Party.MapNumber, kClue);
    w.EnterFrom(25, 27, 0, 1);
    EXPECT_EQ(MapTile(25, 28), 54) << "three levers short";
    w.OnSquare(8, 8);
    w.OnSquare(37, 8);
    w.OnSquare(6, 25);
    EXPECT_EQ(MapTile(8, 7), 17);
    w.EnterFrom(26, 27, 0, 1);
    EXPECT_EQ(MapTile(26, 28), 54);
    w.OnSquare(39, 25);
    w.EnterFrom(26, 27, 0, 1);
    EXPECT_EQ(MapTile(25, 28), 43);
    EXPECT_EQ(MapTile(26, 28), 43);

    // Out and back in: the levers stay pulled and the way stays open.
    w.Enter(kPyramid, 149, 66);
    w.EnterFrom(149, 66, 0, -1, "{enter}");
    EXPECT_EQ(MapTile(37, 7), 17);
    EXPECT_EQ(MapTile(25, 28), 43);
    EXPECT_EQ(MapTile(26, 28), 43);
    w.OnSquare(25, 32);
    EXPECT_TRUE(IsSet(Bit::ClueObject));
}

TEST(MenaceAltar, PlaysByStage) {
    World w;
    w.Enter(kMenace, 9, 44);
    test::SetStage(StoryStage::SentToMenace);
    w.OnSquare(25, 43);
    EXPECT_EQ(Stage(), StoryStage::SawTheAltar);
    w.OnSquare(26, 43);
    EXPECT_EQ(Stage(), StoryStage::SawTheAltar) << "the report to the ruler comes first";

    // The fiends: the party is pushed up its own column and fights; won or
    // lost, the story goes on.
    test::SetStage(StoryStage::SentBackToMenace);
    w.OnSquare(26, 43, "{enter*400}");
    EXPECT_EQ(Stage(), StoryStage::FoughtTheFiends);
    EXPECT_EQ(PartyX, 26);
    EXPECT_EQ(PartyY, 40);
    EXPECT_GT(+Member[1].HP, 0);

    // A lone hero poisoned on the way, beaten by the fiends, comes to with a
    // quarter of her health and the poison gone, so she can walk home.
    w.Enter(kMenace, 9, 44);
    for (int slot = 2; slot <= kLastPersonSlot; ++slot) Member[slot] = {};
    Member[1].Level = 1;
    Member[1].Poison = 3;
    test::SetStage(StoryStage::SentBackToMenace);
    w.OnSquare(26, 43, "{enter*400}");
    EXPECT_EQ(Stage(), StoryStage::FoughtTheFiends);
    EXPECT_EQ(+Member[1].HP, FullHP(1) / 4);
    EXPECT_EQ(+Member[1].Poison, 0);
    EXPECT_EQ(+Member[1].Unconscious, 0);

    // The first way down, once the sages have opened it.
    test::SetStage(StoryStage::FirstWayOpen);
    w.OnSquare(25, 43, "{enter}");
    EXPECT_EQ(Party.MapNumber, kUnderworld1);
    EXPECT_EQ(PartyX, 51);
    EXPECT_EQ(PartyY, 51);
    EXPECT_EQ(+Party.Flags[FlagStoryObjectives], 0x01);
}

}  // namespace
}  // namespace vela

namespace vela {
namespace {

TEST(PyramidBranches, TheLordWaitsForTheStatuesAndBothFindsThenTheRulerSetsTheTwentyDays) {
    World w;
    test::SetStage(StoryStage::SentToLastDitch);
    Party.Flags[FlagStorySubStage] = 1;
    w.Enter(kLastDitch, 38, 63);
    w.TalkFrom(38, 18, 0, -1);
    EXPECT_EQ(SubStage(), LordsTask::SentToPyramid) << "the statues are not passed yet";
    for (Bit b : {Bit::StatueAstronomy, Bit::StatueComputers, Bit::StatuePhysics, Bit::StatueChronicle,
                  Bit::StatueMathematics})
        SetBit(b);
    w.TalkFrom(38, 18, 0, -1);
    EXPECT_EQ(SubStage(), LordsTask::SentToTheRooms) << "statues passed before the lord heard of them still count";
    SetBit(Bit::EvidenceTablet);
    w.TalkFrom(38, 18, 0, -1);
    EXPECT_EQ(SubStage(), LordsTask::SentToTheRooms) << "the clue's object is still missing";
    SetBit(Bit::ClueObject);
    w.Keys("{enter*4}");
    for (int visit = 0; visit < 3; ++visit) w.TalkFrom(38, 18, 0, -1);
    EXPECT_EQ(Stage(), StoryStage::LordsTaskDone);

    w.Enter(kTarn, 51, 29);
    Party.Year = 774;
    Party.Day = 100;
    w.TalkFrom(51, 29, 0, -1, "{enter*4}");
    w.TalkFrom(51, 29, 0, -1);
    EXPECT_EQ(Stage(), StoryStage::FirstWayPromised);
    EXPECT_EQ(DueDate().day, 120);
    w.TalkFrom(51, 29, 0, -1);
    EXPECT_EQ(Stage(), StoryStage::FirstWayPromised) << "the sages are not ready";
    Party.Day = 121;
    w.TalkFrom(51, 29, 0, -1, "{enter*4}");
    EXPECT_EQ(Stage(), StoryStage::FirstWayOpen);
}

}  // namespace
}  // namespace vela
