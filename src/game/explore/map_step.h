// The exploration loop: one pass reads at most one key and turns it into a
// step, a camp command or a toggle, then hands the square entered to its
// handler.
#pragma once

namespace vela {

void MapStep();

}  // namespace vela
