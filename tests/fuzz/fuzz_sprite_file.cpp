// The sprite file read by the loader of 타른, then the view drawn with the
// party's figure in one of its sprites.
#include "folder.h"
#include "game/state/party.h"
#include "game/world/map_view.h"

using namespace vela;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::LoadTownWith("chara.fnt", data, size, [data, size] {
        if (size > 0) PartySprite = data[0] % 28;
        DrawMapView(true);
    });
    return 0;
}
