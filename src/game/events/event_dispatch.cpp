#include "game/events/event_dispatch.h"

#include "game/ui/messages.h"
#include "game/world/map_view.h"

namespace vela {

// The scripts of the maps' special squares, entrances, signposts and people
// are written map by map with the story. What every handler does before its
// script is here already; a square without a script does nothing more, and
// an entrance, sign or person still stops the step.

void SpecialSquare() { DrawMapView(true); }

void EnterPlace() {}

void ReadSign() { ClearMessages(); }

void TalkTo() { ClearMessages(); }

}  // namespace vela
