// Program entry of the game in a window.
#include <cstdio>
#include <string>
#include <vector>

#include "platform/sdl_platform.h"
#include "screen/text_output.h"
#include "shell/halt.h"
#include "shell/play_game.h"

int main(int argc, char** argv) {
    using namespace vela;
    std::vector<std::string> args(argv + 1, argv + argc);
    // The fonts are read before the window exists; without them there is
    // no game to show.
    try {
        InitTextOutput();
    } catch (const IoError& e) {
        SdlPlatform::ErrorBox("벨라", e.what());
        return 1;
    }
    try {
        SdlPlatform platform;
        SetPlatform(&platform);
        try {
            PlayGame(args);
        } catch (const IoError& e) {
            platform.MessageBox("벨라", e.what());
            return 1;
        }
    } catch (const ProgramHalt& halt) {
        return halt.status;
    } catch (const std::exception& e) {
        SdlPlatform::ErrorBox("벨라", e.what());
        return 1;
    }
    return 0;
}
