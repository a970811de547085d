// The settings file: defaults without one, a damaged line ignored and named,
// and what a run writes read back by the next.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "runtime/settings.h"
#include "session.h"

namespace vela {
namespace {

namespace fs = std::filesystem;

bool sameSettings(const Settings& a, const Settings& b) { return FormatSettings(a) == FormatSettings(b); }

TEST(Settings, AMissingFileMeansTheDefaultsAndTheFirstChangeMakesIt) {
    test::Session s(false);
    std::string path = (s.dir / "config/vela/settings.ini").string();
    testing::internal::CaptureStderr();
    LoadSettings(path);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    EXPECT_TRUE(sameSettings(UserSettings, Settings{}));
    EXPECT_FALSE(fs::exists(path));  // reading alone writes nothing
    UserSettings.footsteps = false;
    SaveSettings();
    EXPECT_TRUE(fs::exists(path));
    ResetSettings();
}

TEST(Settings, PersistAcrossStarts) {
    test::Session s(false);
    std::string path = (s.dir / "settings.ini").string();
    LoadSettings(path);
    Settings changed{3, true, false, false, true};
    UserSettings = changed;
    SaveSettings();
    ResetSettings();  // the next start
    EXPECT_TRUE(sameSettings(UserSettings, Settings{}));
    LoadSettings(path);
    EXPECT_TRUE(sameSettings(UserSettings, changed));
    EXPECT_FALSE(fs::exists(path + ".tmp"));  // written through the crash-safe writer
    ResetSettings();
}

TEST(Settings, ADamagedLineIsIgnoredAndNamedWhileTheOthersCount) {
    testing::internal::CaptureStderr();
    Settings s = ParseSettings("# a note\n"
                               "window-scale = 2\n"
                               "fullscreen = perhaps\n"
                               "\n"
                               "music=no\r\n"
                               "volume = 11\n"
                               "footsteps\n"
                               "window-scale = 0\n"
                               "renderer = yes",
                               "/home/x/.config/vela/settings.ini");
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "vela: /home/x/.config/vela/settings.ini:3: ignored: fullscreen = perhaps\n"
              "vela: /home/x/.config/vela/settings.ini:6: ignored: volume = 11\n"
              "vela: /home/x/.config/vela/settings.ini:7: ignored: footsteps\n"
              "vela: /home/x/.config/vela/settings.ini:8: ignored: window-scale = 0\n");
    EXPECT_EQ(s.windowScale, 2);
    EXPECT_FALSE(s.fullscreen);
    EXPECT_FALSE(s.music);
    EXPECT_TRUE(s.footsteps);
    EXPECT_TRUE(s.renderer);
}

TEST(Settings, AnUnwritableFileIsOneLineAndTheGameGoesOn) {
    test::Session s(false);
    fs::create_directories(s.dir / "settings.ini");  // a folder where the file should be
    std::string path = (s.dir / "settings.ini").string();
    testing::internal::CaptureStderr();
    LoadSettings(path);
    SaveSettings();
    std::string said = testing::internal::GetCapturedStderr();
    EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
    EXPECT_NE(said.find("cannot write the settings"), std::string::npos) << said;
    EXPECT_TRUE(sameSettings(UserSettings, Settings{}));
    ResetSettings();
}

TEST(Settings, LiveUnderTheConfigFolder) {
    const char* config = std::getenv("XDG_CONFIG_HOME");
    std::string saved = config ? config : "";
    setenv("XDG_CONFIG_HOME", "/tmp/cfg", 1);
    EXPECT_EQ(SettingsPath(), "/tmp/cfg/vela/settings.ini");
    setenv("XDG_CONFIG_HOME", "relative", 1);  // not absolute: ignored
    std::string home = std::getenv("HOME") ? std::getenv("HOME") : "";
    EXPECT_EQ(SettingsPath(), home + "/.config/vela/settings.ini");
    if (config)
        setenv("XDG_CONFIG_HOME", saved.c_str(), 1);
    else
        unsetenv("XDG_CONFIG_HOME");
}

}  // namespace
}  // namespace vela
