#include "game/title/title_sequence.h"

#include "game/title/creation.h"
#include "game/title/grid_select.h"
#include "game/title/title_texts.h"
#include "game/world/map_data.h"
#include "screen/fonts.h"
#include "screen/gfx.h"
#include "screen/johab.h"
#include "screen/text_output.h"
#include "runtime/halt.h"
#include "runtime/key_queue.h"
#include "game/ui/quit.h"

namespace vela {

namespace {

// A raised panel: fill colour 1, light upper and left edges, dark lower and
// right ones, and a sunken inner edge; with a shadow, a black drop shadow
// first.
void bevelPanel(int x1, int y1, int x2, int y2, bool shadow) {
    if (shadow) {
        SetFillStyle(1, 0);
        Bar(x1 + 6, y1 + 6, x2 + 6, y2 + 6);
    }
    SetFillStyle(1, 1);
    Bar(x1, y1, x2, y2);
    auto edges = [](int a1, int b1, int a2, int b2, int light, int dark) {
        SetColor(light);
        Line(a1, b1, a2, b1);
        Line(a1, b1, a1, b2);
        SetColor(dark);
        Line(a2, b1, a2, b2);
        Line(a1, b2, a2, b2);
    };
    edges(x1, y1, x2, y2, 15, 8);
    edges(x1 + 3, y1 + 3, x2 - 3, y2 - 3, 8, 15);
}

// Eleven panels growing from one rectangle out to another.
void growPanels(int fromX1, int fromY1, int fromX2, int fromY2, int toX1, int toY1, int toX2, int toY2, bool shadow) {
    for (int i = 0; i <= 10; ++i) {
        auto at = [i](int from, int to) { return from + (to - from) * i / 10; };
        bevelPanel(at(fromX1, toX1), at(fromY1, toY1), at(fromX2, toX2), at(fromY2, toY2), shadow);
        Delay(30);
    }
}

void writeTitle(int rise) {
    WriteDouble(120, 100 - rise, TextColour::GameNameShadow, "벨라"_j);
    WriteDouble(118, 98 - rise, TextColour::GameName, "벨라"_j);
}

// The surface keeps the colours things were drawn in, so a fade redraws the
// faded text in place after each change of its palette entry.
void riseTitle() {
    SetPaletteEntry(0, 0, 0, 0);
    SetPaletteEntry(4, 15, 15, 15);
    SetPaletteEntry(8, 15, 15, 15);
    SetPaletteEntry(PaletteIndex(TextColour::GameNameShadow), 0, 0, 0);
    SetPaletteEntry(PaletteIndex(TextColour::GameName), 0, 0, 0);
    writeTitle(0);
    for (int s = 100, rise = 1; s >= 40; --s, ++rise) {
        ScrollUp(72, 40, 433, 141, 1);
        int up = 100 - s;
        SetPaletteEntry(PaletteIndex(TextColour::GameNameShadow), up / 2, up / 4, up / 2);
        SetPaletteEntry(PaletteIndex(TextColour::GameName), up, up / 2, up);
        writeTitle(rise);
        Delay(10);
    }
}

void narrate() {
    for (int k = 0; k < kNarrationLines; ++k) WriteShadowed(80, 330 + 20 * k, TextColour::Legend, TitleNarration[k]);
}

// Takes the Enter, Space and Esc that ended the prophecy, however many were
// pressed: they only skip it, and the menu waits for a choice. A digit stays
// queued and chooses at once.
void dropSkippingKeys() {
    while (KeyPressed()) {
        uint8_t key = PeekKey();
        if (key != kKeyEnter && key != kKeySpace && key != kKeyEsc) return;
        ReadKey();
    }
}

// The prophecy rises through its window line by line, each new line fading
// in at the bottom while the line eight above it fades out at the top. A key
// ends it at once.
void scrollProphecy() {
    growPanels(280, 200, 296, 216, 56, 118, 520, 298, true);
    auto line = [](int n) { return n >= 1 ? Prophecy[n - 1] : std::string_view(); };
    for (int n = 1; n <= kProphecyLines; ++n) {
        SetPaletteEntry(PaletteIndex(TextColour::ProphecyFadingIn), 15, 15, 15);
        SetPaletteEntry(PaletteIndex(TextColour::ProphecyFadingOut), 0, 0, 63);
        for (int t = 1; t <= 16; ++t) {
            ScrollUp(64, 126, 449, 165, 1);
            SetPaletteEntry(PaletteIndex(TextColour::ProphecyFadingIn), 16 - t, 3 * t + 15, 3 * t + 15);
            SetPaletteEntry(PaletteIndex(TextColour::ProphecyFadingOut), t, 63 - 3 * t, 63 - 3 * t);
            WriteAt(71, 270 - t, TextColour::ProphecyFadingIn, line(n), false);
            WriteAt(71, 142 - t, TextColour::ProphecyFadingOut, line(n - 8), false);
            if (KeyPressed()) {
                dropSkippingKeys();
                t = 16;
                n = kProphecyLines;
            } else {
                Delay(150);
            }
        }
        WriteAt(71, 253, TextColour::Prophecy, line(n), false);
        WriteAt(71, 125, TextColour::ProphecyPast, line(n - 8), false);
    }
}

int titleMenu() {
    bevelPanel(40, 110, 600, 300, true);
    static const std::string_view kChoices[3] = {
        "1] 새로운 주인공을 생성 시킴"_j, "2] 이전의 게임을 재개 시킴"_j, "3] 도스로 돌아감"_j};
    for (int k = 0; k < 3; ++k) {
        WriteAt(205, 170 + 30 * k, TextColour::TitleMenuShadow, kChoices[k], false);
        WriteShadowed(200, 170 + 30 * k, TextColour::TitleMenu, kChoices[k]);
    }
    int row = 1, col = 1;
    while (!GridSelect(190, 164, 260, 30, 3, 1, row, col, false, true)) {}
    return row;
}

int playTitle() {
    LoadHangulFont(0);
    SetPaletteEntry(1, 15, 5, 25);
    SetFillStyle(1, 1);
    Bar(0, 0, kMaxX, kMaxY);
    growPanels(200, 200, 438, 278, 0, 0, 638, 478, false);
    riseTitle();
    narrate();
    scrollProphecy();
    return titleMenu();
}

}  // namespace

void ShowTitleSequence(bool createAtOnce) {
    for (;;) {
        int choice = createAtOnce ? 1 : playTitle();
        createAtOnce = false;
        if (choice == 3) {
            CloseGraph();
            TouchEndCommand();
            throw ProgramHalt{0};
        }
        if (choice == 1) {
            if (!CreateCharacter()) continue;
            RestorePending = 0;
        }
        ClearDevice();
        ResetPalette();
        return;
    }
}

}  // namespace vela
