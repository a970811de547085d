// Change magic on the map: light, levitation, walking on water and swamp,
// jumping, changing terrain, teleporting, making food, the map overview.
#pragma once

namespace vela {

// The change-magic menu for the caster CurrentMember.
void ChangeMagic();

}  // namespace vela
