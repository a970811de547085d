// A saved map restored beside a player file the game itself saved, so that
// what is refused is the map, never the party. VELA_FUZZ_PARTY names that
// player file (run.sh passes one of its seed saves).
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <vector>

#include "folder.h"
#include "game/save/saved_game.h"
#include "game/state/party.h"
#include "game/world/map_data.h"

using namespace vela;

namespace {

std::vector<uint8_t> party;

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    const char* name = std::getenv("VELA_FUZZ_PARTY");
    std::ifstream in(name ? name : "", std::ios::binary);
    party.assign(std::istreambuf_iterator<char>(in), {});
    if (party.size() != kSavedGameBytes) {
        std::fprintf(stderr, "VELA_FUZZ_PARTY must name a player file of %zu bytes saved by the game\n",
                     kSavedGameBytes);
        std::exit(2);
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::EnterFuzzFolder();
    fuzz::WriteInput("player1.dat", party.data(), party.size());
    fuzz::WriteInput("save1.map", data, size);
    fuzz::RunLoader([] {
        ResetGameState();
        MapLoaded = 0;
        RestorePending = 1;
        LoadMapOrRestore();
    });
    return 0;
}
