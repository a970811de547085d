// The 예언 power: a hint at the party's next step in the story.
#pragma once

#include <array>
#include <string_view>

namespace vela {

// Phrases 1..21 at 0..20; each completes "당신은 ... 것이다".
extern const std::array<std::string_view, 21> ProphecyPhrases;

// The phrase for the current story stage, sub-stage and objective bits:
// 1..21, or 0 or 22 when the future is hidden.
int ProphecyIndex();

}  // namespace vela
