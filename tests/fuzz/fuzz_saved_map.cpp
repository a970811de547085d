// A saved map restored with a sound player file.
#include <vector>

#include "folder.h"
#include "game/state/party.h"
#include "game/world/map_data.h"

using namespace vela;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::EnterFuzzFolder();
    ResetGameState();
    Party.MapNumber = kTarn;
    Party.SavedX = 10;
    Party.SavedY = 48;
    std::vector<uint8_t> player = SavedGameImage();
    fuzz::WriteInput("player1.dat", player.data(), player.size());
    fuzz::WriteInput("save1.map", data, size);
    fuzz::RunLoader([] {
        MapLoaded = 0;
        RestorePending = 1;
        LoadMap();
    });
    return 0;
}
