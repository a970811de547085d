// The camp: the party's command menu on the map (Space) and the letter keys
// that run its commands directly.
#pragma once

#include <cstdint>

namespace vela {

void CampMenu();
// For a letter key P V Q C E R U G (upper case): sets the battle state to
// none, clears the message window and runs its command, true. False for any
// other key.
bool RunCampKey(uint8_t key);

// C: a member casts healing or change magic.
void CastCampMagic();

}  // namespace vela
