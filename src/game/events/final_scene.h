// The last scene, in the ruins of 타른 at the last story stage: the dying
// spirit's words and the choice between the ending and a fight that cannot
// be won.
#pragma once

namespace vela {

void FinalChoice();

}  // namespace vela
