// The end of the story: the hero goes into 에레보스's own space and closes
// it from within, the world is rewritten as one where 에레보스 never was, and
// the program ends.
#pragma once

#include "screen/gfx.h"

namespace vela {

// Plays the ending and ends the program (throws ProgramHalt); never returns.
[[noreturn]] void Ending();

// Palette entry 0..14 of the fade to white at level 0..310: at 0 the usual
// sixteen colours, at 310 every entry (62, 62, 62). Six-bit levels.
Rgb FadeToWhiteColour(int entry, int level);

}  // namespace vela
