// The one kind of menu of the game: a vertical list in the message window
// with a highlighted choice moved by the up and down arrows, and the prompts
// built on it (pick a member, enter or leave a place).
#pragma once

#include <array>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

namespace vela {

// The shared menu buffer: item 0 is the title, items 1..10 the choices.
// Each entry holds up to 50 bytes; longer texts are cut when drawn.
constexpr int kMenuChoices = 10;
constexpr int kMenuItemBytes = 50;
extern std::array<std::string, kMenuChoices + 1> MenuItems;

// Sets the title and the choices in order, emptying the entries after them.
// At most 10 choices are kept.
void SetMenuItems(std::string_view title, std::initializer_list<std::string_view> items);


// The menu: title at (275, 30) in light red, item i at (290, y + 16(i - 1)).
// Items 1..enabledCount can be chosen (grey, the highlighted one white);
// the rest of totalCount are drawn in black. Up/down move with wrap-around,
// Enter or Space choose, Esc gives 0. With nothing enabled it waits for
// Enter or Esc and gives 0. clearBefore/clearAfter clear the message window.
int32_t Choose(int y, int initial, int enabledCount, int totalCount, bool clearBefore, bool clearAfter);
int32_t Select(int y, int enabledCount, int totalCount, bool clearBefore, bool clearAfter);

// Offers the named members of slots 1..5 (never the companion in 6 or the
// spare slot 7); gives the chosen slot, or 0.
int32_t ChooseMember(int y, bool showPrompt, bool clearBefore);
int32_t SelectMember(bool clearBefore);

// "<place> 에 들어가기를 원합니까 ?" / "여기서 나가기를 원합니까 ?" with a yes/no
// menu; true for yes.
// The warning lines, when given, stand above the question.
bool AskEnter(std::string_view placeName, std::initializer_list<std::string_view> warning = {});
bool AskLeave();

}  // namespace vela
