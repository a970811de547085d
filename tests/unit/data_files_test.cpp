// The start-up check of the data files: every file the game reads is on the
// list, and a folder missing some is reported in one box before the title.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "app/play_game.h"
#include "game/world/data_files.h"
#include "runtime/halt.h"
#include "session.h"

namespace vela {
namespace {

namespace fs = std::filesystem;

// The build writes exactly the files the game needs, and the tunes.
TEST(DataFiles, TheListIsEveryBuiltFileButTheTunes) {
    std::vector<std::string> built;
    for (const auto& entry : fs::directory_iterator(VELA_DATA_DIR)) {
        std::string name = entry.path().filename().string();
        if (name[0] != '.' && !name.ends_with(".Bgm")) built.push_back(name);
    }
    std::vector<std::string> listed = RequiredDataFiles();
    std::ranges::sort(built);
    std::ranges::sort(listed);
    EXPECT_EQ(listed, built);
}

TEST(DataFiles, AFolderWithoutTunesPasses) {
    test::Session s;
    for (const auto& entry : fs::directory_iterator(s.dir))
        if (entry.path().extension() == ".Bgm") fs::remove(entry.path());
    EXPECT_NO_THROW(CheckDataFiles());
    EXPECT_TRUE(s.platform.messages.empty());
}

// A font first read in hero creation and the map a new hero starts on: both
// named at once, with the folder, before anything is drawn.
TEST(DataFiles, EveryMissingFileIsNamedInOneBoxBeforeTheTitle) {
    test::Session s;
    fs::remove(s.dir / "tarn1.fnt");
    fs::remove(s.dir / "Tarn.map");
    test::Transcript drawn;
    try {
        PlayGame({});
        ADD_FAILURE() << "the game started without tarn1.fnt and Tarn.map";
    } catch (const ProgramHalt& halt) {
        EXPECT_EQ(halt.status, 1);
    }
    ASSERT_EQ(s.platform.messages.size(), 1u);
    EXPECT_EQ(s.platform.messages[0],
              "ERROR: \"tarn1.fnt\", \"Tarn.map\" not found in \"" + fs::current_path().string() + "\".");
    EXPECT_EQ(drawn.text, "");
}

}  // namespace
}  // namespace vela
