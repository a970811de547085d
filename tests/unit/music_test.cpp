// The music lifecycle through the outermost loop: a tune opens and plays
// once per map entry, every map change restarts it, and a missing or muted
// tune is silence while the game goes on.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "audio/music.h"
#include "game/state/party.h"
#include "game/world/map_data.h"
#include "session.h"
#include "app/play_game.h"

namespace vela {
namespace {

using Events = std::vector<std::string>;

// Plays the first map, then one step that walks into `next`, then stops.
void playTwoMaps(int first, int next) {
    test::LoadMapAt(first, 10, 10);
    PlayMapWithMusic([&] { test::LoadMapAt(next, 10, 10); });
    PlayMapWithMusic([] { MapChanged = 1; });
    StopMusic();
}

TEST(Music, TownToGroundStopsTheTownTuneAndStartsTheGroundTune) {
    test::Session s;
    playTwoMaps(6, 1);
    EXPECT_EQ(s.platform.musicEvents, (Events{"open _Music2.Bgm", "play _Music2.Bgm", "stop _Music2.Bgm",
                                              "open _Music3.Bgm", "play _Music3.Bgm", "stop _Music3.Bgm"}));
}

TEST(Music, TownToTownRestartsTheTuneFromItsStart) {
    test::Session s;
    playTwoMaps(6, 6);
    EXPECT_EQ(s.platform.musicEvents, (Events{"open _Music2.Bgm", "play _Music2.Bgm", "stop _Music2.Bgm",
                                              "open _Music2.Bgm", "play _Music2.Bgm", "stop _Music2.Bgm"}));
}

TEST(Music, MissingOrBrokenTunesAreSilenceAndTheGameGoesOn) {
    test::Session s;
    std::filesystem::remove(s.dir / "_Music2.Bgm");
    s.WriteFile("_Music3.Bgm", "not a tune");
    int steps = 0;
    test::LoadMapAt(6, 10, 10);
    PlayMapWithMusic([&] {
        if (++steps == 3) test::LoadMapAt(1, 10, 10);
    });
    EXPECT_EQ(steps, 3);
    PlayMapWithMusic([] { MapChanged = 1; });
    EXPECT_FALSE(MusicActive());
    EXPECT_EQ(s.platform.musicEvents, (Events{"open _Music2.Bgm failed", "open _Music3.Bgm failed"}));
}

TEST(Music, StopWithoutATuneAndMutedMusicDoNothing) {
    test::Session s;
    StopMusic();
    SetMusicMuted(true);
    OpenMusic("Music2.Bgm");
    RunMusicLoop([] { MapChanged = 1; }, MapChanged);
    StopMusic();
    EXPECT_TRUE(s.platform.musicEvents.empty());
}

}  // namespace
}  // namespace vela
