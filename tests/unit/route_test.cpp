#include <gtest/gtest.h>

#include "game/state/party.h"
#include "game/explore/map_step.h"
#include "game/world/map_data.h"
#include "session.h"
#include "runtime/key_queue.h"
#include "app/route.h"

namespace vela {
namespace {

// A town of floor 44, 30 x 20, split by a wall (tile 5) down column 15 with
// one gap at row 12; the party at (8,8).
void walledTown() {
    MapWidth = 30;
    MapHeight = 20;
    MapKind = kTown;
    Party.MapNumber = kTarn;
    for (int x = 1; x <= 30; ++x)
        for (int y = 1; y <= 20; ++y) SetMapTile(x, y, x == 15 && y != 12 ? 5 : 44);
    PartyX = 8;
    PartyY = 8;
    Party.Flags[FlagTemperament] = 3;
    SoundOn = 0;
    Member[1].Name.set("m");
    Member[1].HP = 100;
    Member[1].Endurance = 10;
    Member[1].Level = 1;
}

// The number of steps in keys such as "{up*3}{left}".
int stepsIn(const std::string& keys) {
    int steps = 0;
    for (size_t at = keys.find('{'); at != std::string::npos; at = keys.find('{', at + 1)) {
        size_t star = keys.find('*', at), end = keys.find('}', at);
        steps += star < end ? std::stoi(keys.substr(star + 1, end - star - 1)) : 1;
    }
    return steps;
}

// Walks the keys with the game's own map step.
void walk(test::Session& s, const std::string& keys) {
    s.platform.AppendKeys(keys);
    while (!s.platform.ScriptDone() || QueuedKeyCount() > 0) MapStep();
}

TEST(RouteKeys, WalkThroughTheGapAndEndWhereAsked) {
    test::Session s;
    walledTown();
    std::string keys = RouteKeys(22, 8);
    EXPECT_EQ(stepsIn(keys), 22);  // four down to the gap, fourteen across, four up
    walk(s, keys);
    EXPECT_EQ(PartyX, 22);
    EXPECT_EQ(PartyY, 8);
    EXPECT_EQ(RouteKeys(22, 8), "");  // already there
}

TEST(RouteKeys, KeepOffWaterAndEventSquaresWhileThereIsAnotherWay) {
    test::Session s;
    walledTown();
    SetMapTile(15, 12, 24);  // water fills the gap: no way across
    EXPECT_EQ(RouteKeys(22, 8), "");
    SetMapTile(15, 12, 0);  // an event square in the gap: crossed, since nothing goes round
    EXPECT_NE(RouteKeys(22, 8), "");
    SetMapTile(9, 8, 0);  // an event square on the straight way: walked round
    EXPECT_EQ(stepsIn(RouteKeys(10, 8)), 4);
    EXPECT_EQ(RouteKeys(2, 8), "") << "the margin the map step refuses is never a goal";
    walk(s, RouteKeys(15, 8));  // a wall as the goal: bumped from beside it
    EXPECT_EQ(PartyX, 14);
    EXPECT_EQ(PartyY, 8);
}

}  // namespace
}  // namespace vela
