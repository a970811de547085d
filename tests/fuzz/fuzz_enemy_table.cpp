// The enemy table, then every enemy turned into a companion.
#include "folder.h"
#include "game/state/enemy_table.h"
#include "game/state/names.h"
#include "game/state/party.h"

using namespace vela;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::EnterFuzzFolder();
    fuzz::WriteInput("foedata.dat", data, size);
    fuzz::RunLoader([] {
        LoadEnemyTable();
        for (int n = 1; n <= kEnemyCount; ++n) {
            JoinParty(n, kCompanionSlot);
            StatusName(kCompanionSlot);
        }
    });
    return 0;
}
