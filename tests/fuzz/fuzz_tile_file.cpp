// A tile file read by the loader of 타른, then every tile drawn.
#include "folder.h"
#include "game/world/map_data.h"
#include "screen/gfx.h"

using namespace vela;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::LoadTownWith("town.fnt", data, size, [] {
        for (int tile = 0; tile < kImageSlots; ++tile) PutTile(0, 0, TileImage(tile), tile % 2 == 1);
    });
    return 0;
}
