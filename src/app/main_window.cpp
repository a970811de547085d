// Program entry of the game in a window.
#include <cstdio>
#include <string>
#include <vector>

#include "audio/music.h"
#include "platform/sdl_platform.h"
#include "runtime/halt.h"
#include "runtime/settings.h"
#include "app/game_folder.h"
#include "app/recording.h"
#include "app/play_game.h"

namespace {

constexpr char kUsage[] =
    "Usage: vela [OPTION]... [/g] [/c] [/m]\n"
    "Play 벨라, a role-playing game, in a window. The game reads its data files\n"
    "from the current folder and keeps its saved games there; installed, it reads\n"
    "them from /usr/share/games/vela and plays in ${XDG_DATA_HOME:-~/.local/share}/vela.\n"
    "\n"
    "  /g, /G        skip the title and continue the game saved in slot 1\n"
    "  /c, /C        skip the title's animation and create a hero at once\n"
    "  /m, /M        no music this time\n"
    "  --record FILE record the session in FILE instead of session-DATE-TIME.keys\n"
    "  --renderer    draw through SDL's accelerated renderer (OpenGL or the\n"
    "                like) instead of copying frames into the window directly\n"
    "                this time\n"
    "  -h, --help    show this help and exit\n"
    "\n"
    "In the game: F10 window size, F11 or Alt+Enter fullscreen, F12 screenshot\n"
    "with the session's keys and the game's state beside it.\n"
    "Every session is recorded in the game's folder (the last five are kept);\n"
    "vela-headless --replay FILE plays a recording again.\n"
    "A game controller plays too: the d-pad or the left stick moves, A is Enter,\n"
    "B Esc, X the camp menu, Y the party, Start the game options.\n"
    "\n"
    "The window size, fullscreen, music, footsteps and the renderer are kept in\n"
    "${XDG_CONFIG_HOME:-~/.config}/vela/settings.ini.\n";

}  // namespace

int main(int argc, char** argv) {
    using namespace vela;
    std::vector<std::string> args;
    PresentWay way = PresentWay::kWindowSurface;
    std::string recordPath;
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            std::fputs(kUsage, stdout);
            return 0;
        }
        if (arg == "--renderer") {
            way = PresentWay::kRenderer;
        } else if (arg == "--record" && i + 1 < argc) {
            recordPath = argv[++i];
        } else if (arg.size() > 1 && arg[0] == '-') {
            std::fprintf(stderr, "vela: unknown option '%s'\nTry 'vela --help' for more information.\n", arg.c_str());
            return 2;
        } else {
            args.push_back(arg);  // the game looks for /g among its words
        }
    }
    LoadSettings(SettingsPath());
    if (UserSettings.renderer) way = PresentWay::kRenderer;
    try {
        if (std::string data = InstalledDataFolder(); !data.empty()) EnterPlayerFolder(data);
        SdlPlatform platform(way);
        SetPlatform(&platform);
        SetMusicMuted(!UserSettings.music);  // /m mutes this run only
        SessionRecorder recorder(recordPath.empty() ? NewSessionName() : recordPath, args);
        if (recordPath.empty()) PruneSessions(".", kSessionsKept);
        platform.onScreenshot = [&recorder](const std::string& png) { recorder.WriteReport(png); };
        try {
            // Missing or damaged data files are reported in a box, and the
            // game ends.
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
