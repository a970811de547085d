// The summoning scroll: a creature from another dimension joins as the
// companion in member slot 6, whatever the slot held.
#pragma once

namespace vela {

// Rebuilds member 6 as one of the eight creatures of the other dimension,
// summoned with the given skill; gives its slot.
int SummonFromOtherDimension(int skill);

}  // namespace vela
