// The powers of the mind on the map: seeing through walls, prophecy, mind
// reading and far sight (telekinesis works only in battle).
#pragma once

namespace vela {

// E on the map: a member, then the power.
void CampEsp();

}  // namespace vela
