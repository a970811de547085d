// The walkthrough "Adding a map" of docs/CONTENT.md, played through: the
// tiny hall of tests/maps/ goes through the data builder and into the game
// in place of the makers' hall (map 5, so the shipped table keeps no test
// row), and the party walks up to its one scripted square.
#include <gtest/gtest.h>

#include "../../tools/mkdata/builders.h"
#include "game/world/map_catalogue.h"
#include "game/world/map_data.h"
#include "world_fixture.h"

namespace vela {
namespace {

TEST(AddingAMap, TheBuilderBuildsItTheGameLoadsItAndItsSquareRunsItsScript) {
    test::World w;
    // The builder reads <dir>/maps/*.txt, here tests/maps/.
    ASSERT_EQ(mkdata::BuildMaps(VELA_SOURCE_DIR "/tests", w.dir), 0);
    w.Enter(kMakersHall, 13, 9);
    EXPECT_EQ(MapWidth, 21);
    EXPECT_EQ(MapHeight, 14);
    w.Walk("{right*4}");
    EXPECT_FALSE(w.Said("세계와 이야기"));
    w.Walk("{up}");
    EXPECT_TRUE(w.Said("푯말에 쓰여있기로"));
    EXPECT_TRUE(w.Said("[ 세계와 이야기 ]"));
    EXPECT_EQ(PartyX, 17);
    EXPECT_EQ(PartyY, 9) << "a stone is read from the square below it";
}

}  // namespace
}  // namespace vela
