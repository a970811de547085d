// The descents and the underworld on the built maps: the altar of 메너스,
// the deeds that fill the objective bits, the return squares that raise the
// stage, the scenes that move the party and run the square they land on,
// and the levers of 아스모데우스's cave against the tiles of its map.
#include <gtest/gtest.h>

#include <cstring>

#include "game/camp/prophecy.h"
#include "game/events/event_dispatch.h"
#include "game/events/primitives.h"
#include "game/state/party.h"
#include "game/world/map_data.h"
#include "world_fixture.h"

namespace vela {
namespace {

using test::World;

uint8_t objectives() { return Party.Flags[FlagStoryObjectives]; }

TEST(FirstDescent, TheThreeDeedsOpenTheWayUpAndRaiseTheStage) {
    World w;
    w.Enter(kMenace, 9, 44);
    test::SetStage(StoryStage::FirstWayOpen);
    w.OnSquare(25, 43, "{enter}");
    EXPECT_EQ(Party.MapNumber, kUnderworld1);
    EXPECT_EQ(objectives(), 0x01);

    // Before the deeds the return square only offers the way up.
    w.OnSquare(51, 51, "{down}{enter}");
    EXPECT_EQ(Stage(), StoryStage::FirstWayOpen);
    EXPECT_EQ(Party.MapNumber, kUnderworld1);

    w.Enter(kDome, 25, 9);
    w.TalkFrom(39, 18, 0, -1, "{enter}");
    EXPECT_EQ(objectives(), 0x03);

    w.Enter(kTemple, 20, 41);
    w.OnSquare(20, 8, "{enter}");
    EXPECT_EQ(Member[1].Weapon, 7);
    EXPECT_EQ(objectives(), 0x07);

    w.Enter(kMortal, 39, 43);
    w.OnSquare(11, 8, "{enter*7}");
    EXPECT_EQ(objectives(), 0x0F);

    w.Enter(kUnderworld1, 51, 52);
    w.OnSquare(51, 51, "{enter}");
    EXPECT_EQ(Stage(), StoryStage::FirstDescentDone);
    EXPECT_TRUE(w.Said("부서진 석상들이 일제히 빛나더니")) << "the first return square stands in the ring of statues";
    EXPECT_EQ(objectives(), 0);
    EXPECT_EQ(Party.MapNumber, kOverworld);
    EXPECT_EQ(PartyX, 17);
    EXPECT_EQ(PartyY, 88);
}

TEST(SecondDescent, MolochsMirrorTakesThePartyToTheReturnSquareWhichRunsAtOnce) {
    World w;
    w.Enter(kMenace, 9, 44);
    test::SetStage(StoryStage::SecondWayOpen);
    w.OnSquare(26, 43, "{enter}");
    EXPECT_EQ(Party.MapNumber, kUnderworld1);
    EXPECT_EQ(PartyX, 14);
    EXPECT_EQ(PartyY, 24);
    EXPECT_EQ(objectives(), 0x10);

    // 베리알's guard and 몰록 beaten: the mirror square moves the party on.
    SetBit(Bit::ObjectiveBelial);
    SetBit(Bit::ObjectiveMoloch);
    SetBit(Bit::MolochSlain);
    w.Enter(kMoloch, 28, 43);
    EXPECT_EQ(MapTile(28, 7), 42);
    w.OnSquare(28, 9, "{enter}");
    EXPECT_EQ(Stage(), StoryStage::SecondDescentDone);
    EXPECT_TRUE(w.Said("늘어선 돌기둥들이 일제히 빛나더니")) << "the second one in the ring of obelisks";
    EXPECT_EQ(objectives(), 0);
    EXPECT_EQ(Party.MapNumber, kOverworld);
}

TEST(LastDescent, ThePropheciesFollowTheWayDown) {
    World w;
    w.Enter(kMenace, 9, 44);
    test::SetStage(StoryStage::LastWayOpen);
    EXPECT_EQ(ProphecyIndex(), 11) << "below 메너스";
    w.OnSquare(25, 43, "{enter}");
    EXPECT_EQ(Party.MapNumber, kUnderworld2);
    EXPECT_EQ(ProphecyIndex(), 20) << "아스모데우스's levers, once the party is down";
    SetBit(Bit::ObjectiveDome);
    EXPECT_EQ(ProphecyIndex(), 21) << "메피스토펠레스's fortress";
}

TEST(AsmodeusCave, EachLeverRewritesItsPictureAndSevenTilesOnce) {
    World w;
    struct Lever {
        int x, y, px, py, fromX, toX, row, was, becomes;
    };
    const Lever levers[] = {{19, 48, 19, 49, 21, 27, 44, 40, 43}, {35, 48, 35, 49, 41, 47, 44, 50, 41},
                            {58, 44, 59, 44, 48, 54, 36, 13, 41}, {16, 8, 16, 7, 19, 25, 11, 14, 43},
                            {31, 14, 31, 15, 37, 43, 9, 40, 43},  {56, 8, 57, 8, 48, 54, 16, 13, 41}};
    // Each visit starts with the levers up.
    w.Enter(kUnderworld2, 9, 22);
    w.Place(9, 22, 0, -1);
    Party.Flags[43] = 0x3F;
    w.Keys("{enter}");
    EnterPlace();
    EXPECT_EQ(Party.MapNumber, kAsmodeus);
    EXPECT_EQ(Party.Flags[43], 0);
    for (const Lever& l : levers) {
        w.Enter(kAsmodeus, 14, 49);
        EXPECT_EQ(MapTile(l.px, l.py), 16) << l.x;
        for (int x = l.fromX; x <= l.toX; ++x) EXPECT_EQ(MapTile(x, l.row), l.was) << l.x << " " << x;
        w.OnSquare(l.x, l.y);
        EXPECT_EQ(MapTile(l.px, l.py), 17) << l.x;
        for (int x = l.fromX; x <= l.toX; ++x) EXPECT_EQ(MapTile(x, l.row), l.becomes) << l.x << " " << x;
    }
    EXPECT_EQ(Party.Flags[43], 0x3F);
}

TEST(BelialCave, TheThroneDoorLeadsStraightIntoTheLordsScene) {
    World w;
    w.Enter(kBelial, 30, 42);
    SetBit(Bit::BelialGuard3);
    w.Place(30, 15);
    w.Keys("{enter}{enter*40}");
    EXPECT_ANY_THROW(SpecialSquare());  // a lone beginner falls to his guard
    EXPECT_TRUE(w.Said("베리알, 거짓의 왕이다."));
    EXPECT_TRUE(IsSet(Bit::ObjectiveBelial));
    EXPECT_FALSE(IsSet(Bit::BelialSlain));
}

TEST(Underworld2, TheLeverLaysTheBridgeAndEveryArrivalLaysItAgain) {
    World w;
    w.Enter(kUnderworld2, 30, 84);
    EXPECT_EQ(MapTile(27, 12), 50);
    w.OnSquare(9, 66);
    for (int y = 11; y <= 13; ++y) EXPECT_EQ(MapTile(27, y), 31);
    // Out of the north mouth of 아스모데우스's cave: the map is loaded anew.
    w.Enter(kAsmodeus, 10, 8);
    w.OnSquare(10, 6, "{enter}");
    EXPECT_EQ(Party.MapNumber, kUnderworld2);
    for (int y = 11; y <= 13; ++y) EXPECT_EQ(MapTile(27, y), 31);
}

TEST(MakersHall, TheCameoLeadsInAndTheDoorBackToTheUnderworldOfTheStage) {
    for (StoryStage stage : {StoryStage::FirstWayOpen, StoryStage::LastWayOpen}) {
        bool first = stage == StoryStage::FirstWayOpen;
        World w;
        test::SetStage(stage);
        w.Enter(first ? kUnderworld1 : kUnderworld2, first ? 84 : 47, first ? 42 : 29);
        w.OnSquare(first ? 84 : 47, first ? 41 : 28, "{enter}{enter}");
        EXPECT_EQ(Party.MapNumber, kMakersHall);
        w.OnSquare(20, 25, "{enter}");
        EXPECT_EQ(Party.MapNumber, first ? kUnderworld1 : kUnderworld2);
        EXPECT_EQ(PartyX, first ? 84 : 48);
    }
}

TEST(MolochRoad, ThePrisonerOffersToJoinOnceTheRoadIsClear) {
    World w;
    World::MakeHeroUnbeatable();
    w.Enter(kUnderworld1, 88, 21);
    w.OnSquareUntilKeysRunOut(88, 20, "{enter*300}");
    EXPECT_TRUE(IsSet(Bit::Underworld1Fight4));
    EXPECT_TRUE(w.Said("빛의 지붕 경비대장 알니람."));
    EXPECT_EQ(Member[2].Level, 9);
    EXPECT_TRUE(IsSet(Bit::Alnilam));
    w.Forget();
    SpecialSquare();
    EXPECT_FALSE(w.Said("알니람"));
}

TEST(MolochRoad, APrisonerTurnedAwayWaitsByTheCartAndAsksAgain) {
    World w;
    w.Enter(kUnderworld1, 88, 21);
    SetBit(Bit::Underworld1Fight4);  // the road was cleared on an earlier visit
    w.OnSquare(88, 20, "{down}{enter}");
    EXPECT_TRUE(w.Said("다시 만났구려."));
    EXPECT_TRUE(Member[2].Name.empty());
    EXPECT_FALSE(IsSet(Bit::Alnilam)) << "a no leaves him on the road";

    // A full party: he stays on the road and says so.
    for (int slot = 2; slot <= 5; ++slot) World::AddMember(slot, "동료", kFighterFamily, 1, 1);
    w.OnSquare(89, 20, "{enter}");
    EXPECT_TRUE(w.Said("여기서 기다리겠소."));
    EXPECT_FALSE(IsSet(Bit::Alnilam));

    std::memset(&Member[5], 0, sizeof Member[5]);
    w.OnSquare(88, 20, "{enter}");
    EXPECT_EQ(Member[5].Level, 9);
    EXPECT_TRUE(IsSet(Bit::Alnilam));
}

TEST(TempleWeapon, StaysOnTheAltarForAMemberWhoCannotWieldItWhenAnotherCan) {
    World w;
    World::AddMember(1, "세라", kMageFamily, 1, 5);
    World::AddMember(2, "레온", kFighterFamily, 1, 1);
    w.Enter(kTemple, 20, 41);
    w.OnSquare(20, 8, "{enter}");
    EXPECT_EQ(Member[1].Weapon, 0);
    EXPECT_FALSE(IsSet(Bit::TempleWeapon));
    EXPECT_TRUE(w.Said(" 이 검을 다룰 수 없습니다."));
    w.OnSquare(20, 8, "{down}{enter}");
    EXPECT_EQ(Member[2].Weapon, 7);
    EXPECT_TRUE(w.Said("손에 쥐었다."));
    EXPECT_EQ(objectives() & 0x04, 0x04);
}

TEST(TempleWeapon, APartyThatCannotWieldItStillTakesItAndTheDeedIsDone) {
    World w;
    World::AddMember(1, "세라", kMageFamily, 1, 5);
    World::AddMember(2, "무진", kFighterFamily, 5, 5);  // a monk fights bare-handed
    w.Enter(kTemple, 20, 41);
    w.OnSquare(20, 8, "{down}{enter}");
    EXPECT_EQ(Member[2].Weapon, 7);
    EXPECT_TRUE(w.Said("그래도 검을 두고 갈 수는 없었다."));
    EXPECT_TRUE(w.Said("거두어 지녔다."));
    EXPECT_TRUE(IsSet(Bit::TempleWeapon));
    EXPECT_EQ(objectives() & 0x04, 0x04);
}

}  // namespace
}  // namespace vela
