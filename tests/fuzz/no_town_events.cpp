// The fuzz build only: the maps without their event scripts, which clang 14
// cannot compile. The loaders the targets call never reach an event.
#include "game/events/map_script.h"

namespace vela {

namespace {

const MapScript& noEvents() {
    static const MapScript script{};
    return script;
}

}  // namespace

const MapScript& GroundScript() { return noEvents(); }
const MapScript& TarnScript() { return noEvents(); }
const MapScript& LastDitchScript() { return noEvents(); }
const MapScript& RegulusScript() { return noEvents(); }

}  // namespace vela
