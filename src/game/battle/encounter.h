// Random encounters on the map.
#pragma once

namespace vela {

// Rolled by the step handlers: on the dens and grounds that have wandering
// foes, a group of the map's kinds appears; the party may fight or try to
// slip away.
void RandomEncounter();

// The range of enemy numbers met at random on a map; {0, 0} for none.
struct EncounterRange {
    int first, count;
};
EncounterRange EncounterRangeOf(int mapNumber);

}  // namespace vela
