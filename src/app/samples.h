// Test screens the harness can show instead of the game (--sample NAME), to
// look at text and images outside any game screen.
#pragma once

#include <string>

namespace vela {

// Draws the named sample; false when there is no such sample.
bool DrawSample(const std::string& name);

}  // namespace vela
