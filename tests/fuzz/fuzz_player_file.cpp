// A player file (saved party and members) restored the way the game restores
// slot 1 without a saved map (the party's map file is read), and the party
// panel drawn from it.
#include <filesystem>

#include "folder.h"
#include "game/save/saved_game.h"
#include "game/state/party.h"
#include "game/world/map_data.h"
#include "game/ui/party_panel.h"

using namespace vela;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::EnterFuzzFolder();
    fuzz::WriteInput("player1.dat", data, size);
    std::filesystem::remove("save1.map");
    fuzz::RunLoader([] {
        ResetGameState();
        MapLoaded = 0;
        RestorePending = 1;
        LoadMapOrRestore();
        DrawPartyPanel();
    });
    return 0;
}
