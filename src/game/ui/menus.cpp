#include "game/ui/menus.h"

#include <algorithm>

#include "game/state/party.h"
#include "game/ui/messages.h"
#include "screen/johab.h"
#include "screen/text_output.h"
#include "runtime/key_queue.h"

namespace vela {

std::array<std::string, kMenuChoices + 1> MenuItems;

namespace {

constexpr int kTitleX = 275, kTitleY = 30;
constexpr int kItemX = 290;

std::string_view itemText(int i) {
    std::string_view s = MenuItems[i];
    return s.substr(0, std::min<std::size_t>(s.size(), kMenuItemBytes));
}

void drawItem(int y, int i, TextColour colour) {
    WriteLineNoScroll(kItemX, y + 16 * (i - 1), colour, itemText(i));
}

// Moving the highlight redraws two items without dropping keys typed ahead
// (a quick Down, Enter must not lose the Enter); the text cursor ends where
// the line writer would leave it.
void redrawItem(int y, int i, TextColour colour) {
    WriteAt(kItemX, y + 16 * (i - 1), colour, itemText(i), false);
    SetTextCursor(TextWindow.left, y + 16 * i);
}

}  // namespace

void SetMenuItems(std::string_view title, std::initializer_list<std::string_view> items) {
    MenuItems[0] = std::string(title);
    int i = 1;
    for (std::string_view item : items) {
        if (i > kMenuChoices) break;
        MenuItems[i++] = std::string(item);
    }
    for (; i <= kMenuChoices; ++i) MenuItems[i].clear();
}

int32_t Choose(int y, int initial, int enabledCount, int totalCount, bool clearBefore, bool clearAfter) {
    // The buffer has ten choices; callers never ask for more, but a larger
    // count must not read past it.
    int total = std::clamp(totalCount, 0, kMenuChoices);
    int enabled = std::clamp(enabledCount, 0, kMenuChoices);

    if (clearBefore) ClearMessages();
    WriteLineNoScroll(kTitleX, kTitleY, TextColour::Title, itemText(0));

    // A start beyond the enabled items would highlight one that cannot be
    // chosen; start on the last enabled one instead. 0 highlights nothing.
    int highlighted = enabled < 1 ? 0 : std::clamp(initial, 0, enabled);
    for (int i = 1; i <= total; ++i) {
        TextColour colour = i == highlighted ? TextColour::Highlight : TextColour::MenuItem;
        drawItem(y, i, i > enabled ? TextColour::Unavailable : colour);
    }

    if (enabled == 0) {
        do LastKey = ReadKey();
        while (LastKey != kKeyEnter && LastKey != kKeyEsc);
        if (clearAfter) ClearMessages();
        return 0;
    }

    int32_t result = 0;
    Acted = 0;
    while (Acted == 0) {
        LastKey = ReadKey();
        int step = 0;
        if (LastKey == 0) {
            LastKey = ReadKey();
            if (LastKey == kKeyUp) step = -1;
            if (LastKey == kKeyDown) step = 1;
        }
        if (LastKey == kKeyEnter || LastKey == kKeySpace) {
            result = highlighted;
            Acted = 1;
        } else if (LastKey == kKeyEsc) {
            result = 0;
            Acted = 1;
        }
        if (step != 0) {
            if (highlighted >= 1) redrawItem(y, highlighted, TextColour::MenuItem);
            highlighted += step;
            if (highlighted < 1) highlighted = enabled;
            if (highlighted > enabled) highlighted = 1;
            redrawItem(y, highlighted, TextColour::Highlight);
        }
    }
    if (clearAfter) ClearMessages();
    return result;
}

int32_t Select(int y, int enabledCount, int totalCount, bool clearBefore, bool clearAfter) {
    return Choose(y, 1, enabledCount, totalCount, clearBefore, clearAfter);
}

int32_t ChooseMember(int y, bool showPrompt, bool clearBefore) {
    int slots[kLastPersonSlot + 1] = {};
    int count = 0;
    MenuItems[0].clear();
    for (int slot = 1; slot <= kLastPersonSlot; ++slot) {
        if (Member[slot].Name.empty()) continue;
        ++count;
        MenuItems[count] = Member[slot].Name.str();
        slots[count] = slot;
    }
    // The window is cleared before the prompt, not after it, so that the
    // prompt stays on screen above the names.
    if (clearBefore) ClearMessages();
    if (showPrompt) {
        WriteLine(265, 70, TextColour::Question, "한명을 고르시오 ---"_j);
    }
    int32_t chosen = Select(y, count, count, false, true);
    return chosen >= 1 ? slots[chosen] : 0;
}

int32_t SelectMember(bool clearBefore) { return ChooseMember(106, true, clearBefore); }

namespace {

// The question under the warning lines, if any, and a blank line; the
// answers keep their distance below the question.
bool askYesNo(std::string_view question, std::initializer_list<std::string_view> warning = {}) {
    ClearMessages();
    for (std::string_view line : warning) WriteMessage(TextColour::Warning, line);
    int linesAbove = warning.size() == 0 ? 0 : int(warning.size()) + 1;
    if (linesAbove > 0) WriteBlankLine();
    WriteMessage(TextColour::Choice, question);
    SetMenuItems("", {"예, 그렇습니다."_j, "아니오, 원하지 않습니다."_j});
    return Select(100 + 16 * linesAbove, 2, 2, false, true) == 1;
}

}  // namespace

bool AskEnter(std::string_view placeName, std::initializer_list<std::string_view> warning) {
    return askYesNo(std::string(placeName) + std::string(" 에 들어가기를 원합니까 ?"_j), warning);
}

bool AskLeave() { return askYesNo("여기서 나가기를 원합니까 ?"_j); }

}  // namespace vela
