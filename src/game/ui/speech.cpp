#include "game/ui/speech.h"

#include "game/ui/messages.h"
#include "screen/gfx.h"
#include "screen/text_output.h"
#include "runtime/key_queue.h"

namespace vela {

void Say(TextColour colour, std::initializer_list<std::string_view> lines) {
    for (std::string_view line : lines) WriteMessage(colour, line);
}

void NextPage() { PressAnyKey(); }

void Heading(std::string_view heading) {
    TextCursor.y -= 16;
    WriteMessage(TextColour::Heading, heading);
    WriteBlankLine();
    WriteBlankLine();
}

void Curtain() {
    constexpr int left = 24, right = 239, top = 24, bottom = 287;
    SetFillStyle(1, 0);
    for (int step = 0; step < 109; ++step) {
        Bar(left + step, top, left + step + 1, bottom);
        Bar(right - step - 1, top, right - step, bottom);
        Delay(5);
    }
    SetFillStyle(1, 8);
}

}  // namespace vela
