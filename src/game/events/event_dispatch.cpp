#include "game/events/event_dispatch.h"

namespace vela {

// The scripts of the maps' special squares, entrances, signposts and people
// are written map by map with the story; until a map has them, stepping on
// or bumping its squares does nothing beyond what the exploration loop does
// (staying on the square, or being stopped).
void SpecialSquare() {}
void EnterPlace() {}
void ReadSign() {}
void TalkTo() {}

}  // namespace vela
