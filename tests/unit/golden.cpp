#include "golden.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "screen/gfx.h"
#include "screen/png_file.h"

namespace vela::test {

namespace {

bool updating() {
    const char* flag = std::getenv("VELA_UPDATE_GOLDEN");
    return flag != nullptr && std::string(flag) == "1";
}

}  // namespace

void ExpectMatchesGolden(const std::string& name) {
    const std::string path = std::string(VELA_SOURCE_DIR) + "/tests/golden/" + name + ".png";
    RgbImage actual = RgbFrom555(Screen.data(), 640, 480);

    if (updating()) {
        std::filesystem::create_directories(std::filesystem::path(path).parent_path());
        ASSERT_TRUE(WritePng(path, actual)) << "cannot write " << path;
        std::filesystem::remove(path + ".new");
        return;
    }

    RgbImage expected;
    bool matches = ReadPng(path, expected) && expected.width == actual.width &&
                   expected.height == actual.height && expected.rgb == actual.rgb;
    if (matches) {
        std::filesystem::remove(path + ".new");
        return;
    }

    WritePng(path + ".new", actual);
    if (expected.rgb.empty()) {
        ADD_FAILURE() << "golden picture " << path << " is missing or unreadable; the actual one is in "
                      << path << ".new (run with VELA_UPDATE_GOLDEN=1 to accept it)";
        return;
    }
    int differing = 0, firstX = -1, firstY = -1;
    if (expected.width == actual.width && expected.height == actual.height) {
        for (int i = 0; i < actual.width * actual.height; ++i) {
            bool same = expected.rgb[3 * i] == actual.rgb[3 * i] && expected.rgb[3 * i + 1] == actual.rgb[3 * i + 1] &&
                        expected.rgb[3 * i + 2] == actual.rgb[3 * i + 2];
            if (!same && differing++ == 0) {
                firstX = i % actual.width;
                firstY = i / actual.width;
            }
        }
    }
    ADD_FAILURE() << "screen differs from " << path << " in " << differing << " pixels (first at " << firstX
                  << ", " << firstY << "); the actual picture is in " << path << ".new";
}

}  // namespace vela::test
