// Program entry of the game in a browser tab. The page (web/index.html)
// packs the data files into /data; the game plays in /vela, which the
// browser keeps between visits.
#include <cstdio>
#include <exception>
#include <string>
#include <vector>

#include "game/state/random.h"
#include "platform/web_platform.h"
#include "runtime/halt.h"
#include "app/play_game.h"

// The page passes its address's arguments: "?arg=/m" gives the game /m, and
// "?seed=N" pins the random numbers as the harness's --seed does (the
// browser test replays the harness's keys).
int main(int argc, char** argv) {
    using namespace vela;
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.size() >= 2 && args[0] == "--seed") {
        SeedRandom(uint32_t(std::stoul(args[1])));
        args.erase(args.begin(), args.begin() + 2);
    }
    try {
        WebPlatform platform("/data", "/vela");
        SetPlatform(&platform);
        try {
            PlayGame(args);
        } catch (const ProgramHalt& halt) {
            // A halt for a missing or damaged file has said why already.
            if (halt.status == 0) platform.MessageBox("벨라", "게임을 마쳤습니다. 다시 하려면 페이지를 새로 고치십시오.");
        } catch (const IoError& e) {
            platform.MessageBox("벨라", e.what());
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "vela: %s\n", e.what());  // the page shows standard error
        return 1;
    }
    return 0;
}
