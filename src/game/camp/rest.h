// Resting: the party turns food and hours into health, magic points and
// the levels its training has earned.
#pragma once

namespace vela {

// Hours of the next rest, 1..24; the last choice is offered again.
extern int RestHours;

// The hours selector, then the rest itself (R on the map).
void Rest();

}  // namespace vela
