// Which script each map number runs. Kept apart from the engine so a build
// without the scripts (the fuzz targets, which never reach an event) can
// leave every script file out and answer "no events" for every map.
#include "game/events/map_script.h"

namespace vela {

const MapScript* ScriptOfMap(int map) {
    switch (map) {
        case 1: return &GroundScript();
        case 2: return &PyramidScript();
        case 3: return &Underworld1Script();
        case 4: return &Underworld2Script();
        case 5: return &MakersHallScript();
        case 6: return &TarnScript();
        case 7: return &LastDitchScript();
        case 8: return &DomeScript();
        case 9: return &RegulusScript();
        case 10: return &MenaceScript();
        case 11: return &EvidenceScript();
        case 12: return &ClueScript();
        case 13: return &TempleScript();
        case 14: return &MortalScript();
        case 15: return &BelialScript();
        case 16: return &MolochScript();
        case 17: return &AsmodeusScript();
        case 18: return &MephistoScript();
        default: return nullptr;
    }
}

}  // namespace vela
