#include "game/acts/number_selector.h"

#include <cstdint>

#include "screen/gfx.h"
#include "screen/text_output.h"
#include "runtime/key_queue.h"

namespace vela {

namespace {

void drawNumber(int x, int y, int value, int width) {
    SetFillStyle(1, 8);
    Bar(x, y, x + 8 * width - 1, y + 15);
    std::string text = std::to_string(value);
    if (int(text.size()) < width) text.insert(0, std::size_t(width) - text.size(), ' ');
    WriteAt(x, y, TextColour::Entry, text, false);
}

}  // namespace

int ChooseNumber(int x, int y, int value, int low, int high, int width) {
    drawNumber(x, y, value, width);
    for (;;) {
        uint8_t key = ReadKey();
        if (key == kKeyEnter) return value;
        if (key == kKeyEsc) return -1;
        if (key != 0) continue;
        key = ReadKey();
        int step = (key == kKeyUp || key == kKeyRight) ? 1 : (key == kKeyDown || key == kKeyLeft) ? -1 : 0;
        if (step != 0 && value + step >= low && value + step <= high) {
            value += step;
            drawNumber(x, y, value, width);
        }
    }
}

}  // namespace vela
