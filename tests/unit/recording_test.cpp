// Recordings of window sessions: what the recorder writes reads back as the
// same bytes at the same polls, a replay delivers each key at its poll
// whether the game waits or not and stops where the game drifts, and only
// the newest sessions are kept.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "app/recording.h"
#include "runtime/key_queue.h"
#include "runtime/settings.h"
#include "session.h"

namespace vela {
namespace {

namespace fs = std::filesystem;

std::string readText(const fs::path& path) {
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

TEST(Recording, KeysReadBackAsTheSameBytesAtTheSamePolls) {
    test::Session s;
    UserSettings.footsteps = false;
    {
        SessionRecorder recorder("rec.keys", {"/c"});
        const std::vector<std::pair<uint64_t, uint8_t>> typed = {
            {5, 0}, {5, kKeyUp}, {5, '{'}, {5, '}'}, {9, 0}, {12, 'x'}, {12, 13}, {12, 0}, {12, 7}};
        for (auto [poll, key] : typed) recorder.Key(poll, key);
    }
    std::vector<std::pair<uint64_t, uint8_t>> read;
    std::string seed, arg, setting;
    bool ended = false;
    std::istringstream lines(readText("rec.keys"));
    int number = 0;
    for (std::string line; std::getline(lines, line);) {
        ++number;
        if (line.starts_with('#')) continue;
        for (const ScriptStep& step : ParseKeyScript(line, number)) {
            if (step.kind == ScriptStep::kSeed) seed = step.name;
            if (step.kind == ScriptStep::kArg) arg = step.name;
            if (step.kind == ScriptStep::kSetting) setting = step.name;
            if (step.kind == ScriptStep::kEnd) ended = true;
            if (step.kind == ScriptStep::kKeys)
                for (uint8_t b : step.bytes) read.push_back({step.poll, b});
        }
    }
    EXPECT_EQ(read, (std::vector<std::pair<uint64_t, uint8_t>>{
                        {5, 0}, {5, kKeyUp}, {5, '{'}, {5, '}'}, {9, 0}, {12, 'x'}, {12, 13}, {12, 0}, {12, 7}}));
    EXPECT_FALSE(seed.empty());
    EXPECT_EQ(arg, "/c");
    EXPECT_EQ(setting, "footsteps = no");
    EXPECT_TRUE(ended);
}

// The window's session as the replay sees it: keys at polls 3 and 4, the
// second typed ahead while the game is not waiting.
TEST(Recording, AReplayDeliversEachKeyAtItsPollAndStopsWhereTheGameDrifts) {
    test::Session s;
    uint64_t draws = 0;
    s.platform.drawCount = [&] { return draws; };
    s.platform.stateCheck = [] { return 0xabcu; };
    std::deque<ScriptStep> script = ParseKeyScript("{at:3:0:abc}x", 7);
    for (ScriptStep& step : ParseKeyScript("{at:4:2:abc}y{end:6:2:abc}", 8)) script.push_back(step);
    s.platform.SetScript(script);
    EXPECT_FALSE(KeyPressed());
    EXPECT_FALSE(KeyPressed());
    EXPECT_TRUE(KeyPressed());  // poll 3
    draws = 2;
    EXPECT_EQ(ReadKey(), 'x');  // poll 4 brings y although x still waits
    EXPECT_EQ(QueuedKeyCount(), 1);
    EXPECT_EQ(ReadKey(), 'y');  // poll 5
    draws = 1;                  // the game has gone elsewhere before poll 6
    try {
        KeyPressed();
        FAIL() << "no drift";
    } catch (const ReplayDrift& drift) {
        EXPECT_EQ(drift.what, "line 8: 1 random numbers drawn, the window had drawn 2");
    }
}

TEST(Recording, AMalformedTimingIsRefused) {
    EXPECT_THROW(ParseKeyScript("{at:3:x:abc}k"), std::invalid_argument);
    EXPECT_THROW(ParseKeyScript("{end:3}"), std::invalid_argument);
}

TEST(Recording, OnlyTheNewestFiveSessionsAreKept) {
    test::Session s(false);
    for (int n = 1; n <= 7; ++n) s.WriteFile("session-20261210-10000" + std::to_string(n) + ".keys", "");
    s.WriteFile("mine.keys", "");
    PruneSessions(".", kSessionsKept);
    EXPECT_FALSE(fs::exists("session-20261210-100001.keys"));
    EXPECT_FALSE(fs::exists("session-20261210-100002.keys"));
    for (int n = 3; n <= 7; ++n) EXPECT_TRUE(fs::exists("session-20261210-10000" + std::to_string(n) + ".keys"));
    EXPECT_TRUE(fs::exists("mine.keys"));
}

}  // namespace
}  // namespace vela
