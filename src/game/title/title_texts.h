// The words of the title: the narration under the title and the prophecy
// that scrolls past before the menu.
#pragma once

#include <array>
#include <string_view>

namespace vela {

constexpr int kNarrationLines = 6;
constexpr int kProphecyLines = 35;

extern const std::array<std::string_view, kNarrationLines> TitleNarration;
extern const std::array<std::string_view, kProphecyLines> Prophecy;  // some lines empty

}  // namespace vela
