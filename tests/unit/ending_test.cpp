// The last stage: the ruined world's entrances, the final choice in the ruins
// of 타른, the fight that cannot be won, and the ending down to the program's
// exit.
#include <gtest/gtest.h>

#include "game/battle/enemy_group.h"
#include "game/ending/ending.h"
#include "game/state/party.h"
#include "game/world/map_data.h"
#include "platform/headless_platform.h"
#include "screen/gfx.h"
#include "screen/johab.h"
#include "runtime/halt.h"
#include "world_fixture.h"

namespace vela {
namespace {

using test::World;

void atStage16OnTheGround(World& w) {
    w.Enter(kOverworld, 20, 12);
    test::SetStage(StoryStage::MephistoSlain);
}

TEST(RuinedWorld, TheOverworldEntrancesShowTheRuinsAtTheLastStageOnly) {
    World w;
    atStage16OnTheGround(w);
    w.EnterFrom(76, 58, 0, -1);
    EXPECT_TRUE(w.Said("용암만이"));
    w.EnterFrom(84, 87, 0, -1);
    EXPECT_TRUE(w.Said("피라미드는 무너져"));
    w.EnterFrom(17, 88, 0, 1);
    EXPECT_TRUE(w.Said("메너스의 동굴은 무너져"));
    EXPECT_EQ(Party.Flags[FlagStoryObjectives], 0x01);
    EXPECT_EQ(Party.MapNumber, kOverworld);

    // Any earlier stage: 타른's gate is the ordinary one.
    test::SetStage(StoryStage::LastWayOpen);
    w.EnterFrom(20, 12, 0, -1, "{enter}");
    EXPECT_EQ(Party.MapNumber, kTarn);
}

TEST(Ending, EitherFirstAnswerOrEscapePlaysTheEndingToTheExit) {
    for (const char* answer : {"{enter}", "{esc}"}) {
        World w;
        atStage16OnTheGround(w);
        Member[1].Name.set("가온"_j);
        try {
            w.EnterFrom(20, 12, 0, -1, std::string("{enter*5}") + answer + "{enter*4}");
            ADD_FAILURE() << "the ending returned";
        } catch (const ProgramHalt& halt) {
            EXPECT_EQ(halt.status, 0);
        }
        EXPECT_TRUE(w.Said("레드 안타레스였다"));
        EXPECT_TRUE(w.Said("이 늙은이가 할 수 있는 마지막 말이오."));
        EXPECT_TRUE(w.Said("닫혀라, 세계의 틈이여"));
        EXPECT_TRUE(w.Said("가온"));
        EXPECT_TRUE(w.Said("... 어디서 들어 본 이름 같은데."));
        // The peaceful town the ending leaves behind, torch lit and silent.
        EXPECT_EQ(Party.MapNumber, kTarn);
        EXPECT_EQ(Party.SavedX, 91);
        EXPECT_EQ(Party.SavedY, 80);
        EXPECT_EQ(Party.Flags[FlagTorch], 255);
        EXPECT_EQ(SoundOn, 0);
        for (int i = 0; i <= 14; ++i) EXPECT_EQ(Palette[std::size_t(i)].r, 62 * 4) << i;
        SoundOn = 1;
    }
}

TEST(Ending, TheFadeRunsFromTheSixteenColoursToWhite) {
    const uint8_t start[15][3] = {{0, 0, 0},   {0, 0, 42},  {0, 42, 0},  {0, 42, 42}, {42, 0, 0},
                                  {42, 0, 42}, {42, 21, 0}, {42, 42, 42}, {21, 21, 21}, {0, 0, 62},
                                  {0, 62, 0},  {0, 62, 62}, {62, 0, 0},  {62, 0, 62}, {62, 62, 0}};
    for (int e = 0; e <= 14; ++e) {
        Rgb c = FadeToWhiteColour(e, 0), w = FadeToWhiteColour(e, 310);
        EXPECT_EQ((std::array<int, 3>{c.r, c.g, c.b}), (std::array<int, 3>{start[e][0], start[e][1], start[e][2]})) << e;
        EXPECT_EQ((std::array<int, 3>{w.r, w.g, w.b}), (std::array<int, 3>{62, 62, 62})) << e;
    }
}

TEST(Refusal, EightAvatarsComeUntilThePartyFalls) {
    World w;
    atStage16OnTheGround(w);
    // Into the ruins, refuse, then fight with the first command every round;
    // the Enters left over go round the defeat's dialog, which they never end.
    EXPECT_THROW(w.EnterFrom(20, 12, 0, -1, "{enter*5}{down}{enter}{enter*3}{enter*200}"), ScriptExhausted);
    EXPECT_TRUE(w.Said("에레보스와 끝까지 싸우겠다"));
    EXPECT_TRUE(w.Said("일행은 모두 전투에서 패했다 !!"));
    EXPECT_TRUE(w.Said("여덟 개의 그림자가 되어"));
    EXPECT_EQ(EnemyCount, 8);
    EXPECT_EQ(Party.MapNumber, kOverworld);
}

}  // namespace
}  // namespace vela
