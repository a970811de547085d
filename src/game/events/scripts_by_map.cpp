// Which script each map number runs. Kept apart from the engine so a build
// without the scripts (the fuzz targets, which never reach an event) can
// leave every script file out and answer "no events" for every map.
#include "game/events/map_script.h"

#include "game/world/map_catalogue.h"

namespace vela {

const MapScript* ScriptOfMap(int map) {
    switch (map) {
#define VELA_MAP(id, number, file, kind, baseTile, tune, script, ...) \
    case id: return &script();
#include "game/world/map_list.h"
#undef VELA_MAP
        default: return nullptr;
    }
}

}  // namespace vela
