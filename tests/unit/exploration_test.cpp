#include <gtest/gtest.h>

#include <algorithm>

#include "game/state/enemy_table.h"
#include "game/state/party.h"
#include "game/explore/map_step.h"
#include "game/world/map_data.h"
#include "game/explore/terrain.h"
#include "platform/headless_platform.h"
#include "session.h"
#include "runtime/key_queue.h"
#include "runtime/settings.h"

namespace vela {
namespace {

// A town of floor 44 with the given size, already loaded, party at (x, y).
void townOf(int width, int height, int x, int y) {
    MapWidth = uint8_t(width);
    MapHeight = uint8_t(height);
    MapKind = kTown;
    Party.MapNumber = kTarn;
    for (int cx = 1; cx <= width; ++cx)
        for (int cy = 1; cy <= height; ++cy) SetMapTile(cx, cy, 44);
    PartyX = x;
    PartyY = y;
    Party.Flags[FlagTemperament] = 3;
    SoundOn = 0;
}

void addMember(int slot, int hp) {
    Member[slot].Name.set("m");
    Member[slot].HP = int16_t(hp);
    Member[slot].Endurance = 10;
    Member[slot].Level = 1;
    Member[slot].Luck = 10;
}

void press(test::Session& s, const std::string& keys) {
    s.platform.AppendKeys(keys);
    while (!s.platform.ScriptDone() || QueuedKeyCount() > 0) MapStep();
}

TEST(TileClasses, EachKindReadsTheSameNumberItsOwnWay) {
    using C = TileClass;
    struct Case {
        int tile;
        C town, ground, den, keep;
    } cases[] = {
        {0, C::Special, C::Special, C::Special, C::Special},
        {5, C::Blocked, C::Blocked, C::Blocked, C::Blocked},
        {19, C::Special, C::Blocked, C::Blocked, C::Blocked},
        {20, C::Blocked, C::Special, C::Blocked, C::Blocked},
        {21, C::Blocked, C::Entrance, C::Blocked, C::Blocked},
        {22, C::Entrance, C::Signpost, C::Blocked, C::Blocked},
        {23, C::Signpost, C::Swamp, C::Blocked, C::Blocked},
        {24, C::Water, C::Floor, C::Blocked, C::Blocked},
        {26, C::Lava, C::Floor, C::Blocked, C::Blocked},
        {40, C::Floor, C::Floor, C::Blocked, C::Floor},
        {48, C::Person, C::Water, C::Water, C::Water},
        {51, C::Person, C::Entrance, C::Blocked, C::Blocked},
        {52, C::Person, C::Entrance, C::Special, C::Special},
        {53, C::Person, C::Entrance, C::Signpost, C::Signpost},
        {54, C::Person, C::Entrance, C::Entrance, C::Entrance},
        {55, C::Person, C::Entrance, C::Person, C::Person},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ClassOfTile(kTown, c.tile), c.town) << c.tile;
        EXPECT_EQ(ClassOfTile(kGround, c.tile), c.ground) << c.tile;
        EXPECT_EQ(ClassOfTile(kDen, c.tile), c.den) << c.tile;
        EXPECT_EQ(ClassOfTile(kKeep, c.tile), c.keep) << c.tile;
    }
}

TEST(MapStep, WallsAndPeopleStopTheStepButTurnTheFigure) {
    test::Session s;
    townOf(40, 40, 20, 20);
    addMember(1, 100);
    SetMapTile(21, 20, 5);
    SetMapTile(20, 19, 50);
    press(s, "{right}");
    EXPECT_EQ(PartyX, 20);
    EXPECT_EQ(PartySprite, 2);
    press(s, "{up}");
    EXPECT_EQ(PartyY, 20);
    EXPECT_EQ(PartySprite, 1);
    press(s, "{left}{down}");
    EXPECT_EQ(PartyX, 19);
    EXPECT_EQ(PartyY, 21);
}

TEST(MapStep, ThePartyKeepsItsMarginFromEveryEdge) {
    test::Session s;
    townOf(40, 40, 35, 34);
    addMember(1, 100);
    press(s, "{right*3}{down*3}");
    EXPECT_EQ(PartyX, 36);  // the last column of a 40-wide map
    EXPECT_EQ(PartyY, 35);  // the last row of a 40-high map
    townOf(40, 40, 6, 7);
    press(s, "{left*3}{up*3}");
    EXPECT_EQ(PartyX, 5);
    EXPECT_EQ(PartyY, 6);
}

TEST(MapStep, TogglesAndKeysThatDoNotMove) {
    test::Session s;
    townOf(40, 40, 20, 20);
    addMember(1, 100);
    SoundOn = 1;
    press(s, "{bs}");
    EXPECT_EQ(SoundOn, 0);
    EXPECT_FALSE(UserSettings.footsteps);  // kept for the next start
    press(s, "{bs}");
    EXPECT_EQ(SoundOn, 1);
    EXPECT_TRUE(UserSettings.footsteps);
    SoundOn = 0;
    Party.Hour = 10;
    Party.Second = 0;
    press(s, "{esc}x");
    EXPECT_EQ(Party.Second, 0);  // neither moves nor takes time
    press(s, "p");               // a command handles the square again: a floor step
    EXPECT_EQ(Party.Second, 5);
    EXPECT_EQ(PartyX, 20);
    PushKey(255);
    MapStep();
    EXPECT_TRUE(std::all_of(TileImage(0) + 4, TileImage(0) + kImageSlotBytes, [](uint8_t b) { return b == 0; }));
}

// A fled fight or a restored game leaves its mark in the battle state; on the
// map an item still waits for no key, so the next arrow key steps.
TEST(MapStep, ItemsOnTheMapWaitForNoKeyAfterAFlightOrARestore) {
    test::Session s;
    for (uint8_t fate : {kFateFled, kFateLoaded}) {
        townOf(40, 40, 20, 20);
        addMember(1, 100);
        Party.Items[7] = 1;  // a great torch
        PartyFate() = fate;
        press(s, "u{enter}{down*6}{enter}{right}");
        EXPECT_EQ(Party.Items[7], 0);
        EXPECT_EQ(PartyX, 21) << int(fate);
        EXPECT_EQ(PartyFate(), kFateNone);
    }
}

TEST(Terrain, PoisonCostsOneHitPointEveryTenSteps) {
    test::Session s;
    townOf(40, 40, 10, 20);
    addMember(1, 100);
    Member[1].Poison = 1;
    press(s, "{right*10}");
    EXPECT_EQ(Member[1].Poison, 1);
    EXPECT_EQ(+Member[1].HP, 99);
    press(s, "{right}");
    EXPECT_EQ(+Member[1].HP, 99);
    EXPECT_EQ(Member[1].Poison, 2);
}

TEST(Terrain, ClockAdvancesByTheKindOfMap) {
    test::Session s;
    townOf(100, 100, 10, 50);
    addMember(1, 100);
    Party.Hour = 8;
    MapKind = kGround;
    press(s, "{right*30}");
    EXPECT_EQ(Party.Hour, 9);
    EXPECT_EQ(Party.Minute, 0);
    MapKind = kTown;
    press(s, "{left*12}");
    EXPECT_EQ(Party.Minute, 1);
}

TEST(Terrain, WaterNeedsItsSpellAndSpendsOneStepOfIt) {
    test::Session s;
    townOf(40, 40, 20, 20);
    addMember(1, 100);
    SetMapTile(21, 20, 24);
    SetMapTile(22, 20, 24);
    press(s, "{right}");
    EXPECT_EQ(PartyX, 20);
    Party.Flags[FlagWalkOnWater] = 1;
    press(s, "{right*2}");
    EXPECT_EQ(PartyX, 21);
    EXPECT_EQ(Party.Flags[FlagWalkOnWater], 0);
}

TEST(Terrain, LavaBurnsEveryoneAndDeathDepthStopsAtThirtyThousand) {
    test::Session s;
    townOf(40, 40, 20, 20);
    SetMapTile(21, 20, 26);
    addMember(1, 30);
    Member[1].Luck = 0;  // Random(0) is 0: damage 400..790
    addMember(2, 0);
    Member[2].Unconscious = 5;
    Member[2].Dead = 29900;
    addMember(3, 30000);  // someone must stay standing
    press(s, "{right}");
    EXPECT_EQ(+Member[1].Unconscious, 1);
    EXPECT_LE(+Member[1].HP, 30 - 400);
    EXPECT_EQ(+Member[2].Dead, 30000);
}

TEST(Terrain, LuckSoftensTheLavasBurn) {
    test::Session s;
    townOf(40, 40, 20, 20);
    SetMapTile(21, 20, 26);
    int least = 790;
    for (int slot = 1; slot <= kLastFightingSlot; ++slot) {
        addMember(slot, 1000);
        Member[slot].Luck = 20;
    }
    press(s, "{right}");
    for (int slot = 1; slot <= kLastFightingSlot; ++slot) {
        int burn = 1000 - Member[slot].HP;
        EXPECT_EQ(burn % 10, 0) << slot;
        EXPECT_GE(burn, (40 - 2 * 19) * 10) << slot;  // no heat, the best luck
        EXPECT_LE(burn, (40 + 39) * 10) << slot;      // the worst heat, no luck
        least = std::min(least, burn);
    }
    EXPECT_LT(least, 400) << "luck 20 spared none of six members";
}

TEST(Terrain, SwampPoisonsByLuckUnlessTheSpellHolds) {
    test::Session s;
    townOf(40, 40, 20, 20);
    SetMapTile(21, 20, 25);
    addMember(1, 100);
    addMember(2, 100);
    Member[1].Luck = 1;   // always poisoned
    Member[2].Luck = 21;  // never
    Party.Flags[FlagWalkOnSwamp] = 1;
    press(s, "{right}");
    EXPECT_EQ(Member[1].Poison, 0);
    EXPECT_EQ(Party.Flags[FlagWalkOnSwamp], 0);
    press(s, "{left}{right}");
    EXPECT_EQ(Member[1].Poison, 1);
    EXPECT_EQ(Member[2].Poison, 0);
}

// Steps of one kind meet foes about once in `every` steps: 300 meetings, give
// or take a fifth, in 300 * every steps. A meeting waits for keys the script
// does not have.
void expectMeetingsOnceIn(int every, void (*step)()) {
    int met = 0;
    for (int i = 0; i < 300 * every; ++i) {
        Party.Flags[FlagWalkOnWater] = 1;
        try {
            step();
        } catch (const ScriptExhausted&) {
            ++met;
        }
    }
    EXPECT_NEAR(met, 300, 60) << "once in " << every << " steps";
}

TEST(Terrain, FoesComeOnceInTwentyFloorStepsAndThirtyWaterStepsTimesTheTemperament) {
    test::Session s;
    LoadEnemyTable();
    townOf(40, 40, 20, 20);
    addMember(1, 30000);
    MapKind = kGround;
    Party.MapNumber = 2;
    Party.Flags[FlagMaxEnemies] = 5;
    Party.Flags[FlagTemperament] = 1;
    expectMeetingsOnceIn(20, FloorStep);
    expectMeetingsOnceIn(30, WaterStep);
    Party.Flags[FlagTemperament] = 3;
    expectMeetingsOnceIn(60, FloorStep);
    expectMeetingsOnceIn(90, WaterStep);
}

}  // namespace
}  // namespace vela
