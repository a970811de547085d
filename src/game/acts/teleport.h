// Moving the party by magic across the map, and the overview of the map.
#pragma once

namespace vela {

// Direction and distance (1..9 squares); true when it counts as cast (the
// party moved, or was repelled by a forbidden square), false when refused or
// cancelled.
bool Teleport();

// The whole map, or the 100 x 80 cells around the party, one pixel per
// cell under the map view; the party's cell blinks until a key is pressed.
void WatcherEye();

}  // namespace vela
