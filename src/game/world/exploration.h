// The exploration loop: one pass reads at most one key and turns it into a
// step, a camp command or a toggle, then hands the square entered to its
// handler.
#pragma once

#include <cstdint>

namespace vela {

extern uint8_t Acted;        // this pass produced a step or a command
extern uint8_t PartySprite;  // the party's figure in SpriteImages
extern uint8_t SoundOn;      // footstep and battle sounds

void MapStep();

}  // namespace vela
