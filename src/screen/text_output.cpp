#include "screen/text_output.h"

#include "screen/fonts.h"
#include "screen/gfx.h"
#include "shell/key_queue.h"

namespace vela {

TextWindowRect TextWindow{0, 0, 640, 480};
TextCursorPos TextCursor{0, 0};
uint8_t WaitOnScroll = 1;

namespace {

TextObserver observer;

// The message area scrolls by this fixed geometry, whatever the text window.
constexpr int kScrollX = 248, kScrollY = 48, kScrollWidth = 384, kScrollHeight = 263;
constexpr int kLastLineY = 256;

void observe(int x, int y, std::string_view s) {
    if (observer && !s.empty()) observer(x, y, GetColor(), s);
}

void plotSyllable(int x, int y, const std::array<uint8_t, 32>& glyph, int scale, int colour) {
    for (int r = 0; r < 16; ++r)
        for (int c = 0; c < 16; ++c)
            if (glyph[r * 2 + c / 8] & (0x80 >> (c % 8))) {
                if (scale == 1) {
                    PutPixel(x + c, y + r, colour);
                } else {
                    for (int k = 0; k < 4; ++k) PutPixel(x - 14 + 2 * c + k % 2, y + 2 * r + k / 2, colour);
                }
            }
}

void plotSingle(int x, int y, uint8_t code, int scale, int colour) {
    const uint8_t* glyph = AsciiGlyph(code);
    for (int r = 0; r < 16; ++r)
        for (int c = 0; c < 8; ++c)
            if (glyph[r] & (0x80 >> c)) {
                if (scale == 1) {
                    PutPixel(x + c, y + r, colour);
                } else {
                    for (int k = 0; k < 4; ++k) PutPixel(x - 14 + 2 * c + k % 2, y + 2 * r + k / 2, colour);
                }
            }
}

// Draws one character at (x, y) and returns its advance.
int drawChar(int x, int y, const TextChar& ch, int scale) {
    int colour = GetColor();
    if (ch.syllable) {
        plotSyllable(x, y, ComposeSyllable(ch.initial, ch.medial, ch.final), scale, colour);
        return 16 * scale;
    }
    plotSingle(x, y, ch.byte, scale, colour);
    return 8 * scale;
}

void scrollIfBelow(bool scroll) {
    if (scroll && TextCursor.y >= TextWindow.bottom) {
        ScrollTextWindow();
        TextCursor.y = kLastLineY;
    }
}

}  // namespace

void InitTextOutput() {
    LoadAsciiFont();
    LoadHangulFont(0);
    ResetTextState();
}

void ResetTextState() {
    WaitOnScroll = 1;
    TextWindow = {0, 0, 640, 480};
    TextCursor = {0, 0};
    SetTextWindow(251, 32, 608, 257);
}

void SetTextWindow(int left, int top, int right, int bottom) {
    TextWindow = {left, top, right, bottom};
    TextCursor = {left, top};
}

void SetTextCursor(int x, int y) { TextCursor = {x, y}; }
void SetWaitOnScroll(uint8_t flag) { WaitOnScroll = flag; }

void ScrollTextWindow() {
    if (WaitOnScroll == 1) {
        DiscardKeys();
        ReadKey();
    }
    ScrollUp(kScrollX, kScrollY, kScrollWidth, kScrollHeight, 16);
    SetFillStyle(1, 8);
    Bar(245, 255, 610, 288);
}

void WriteText(std::string_view s, bool scroll) {
    DiscardKeys();
    scrollIfBelow(scroll);
    observe(TextCursor.x, TextCursor.y, s);
    for (std::size_t i = 0; i < s.size();) {
        TextChar ch = DecodeJohab(s, i);
        if (TextCursor.x + 8 >= TextWindow.right) {
            TextCursor.x = TextWindow.left;
            TextCursor.y += 16;
            scrollIfBelow(scroll);
        }
        TextCursor.x += drawChar(TextCursor.x, TextCursor.y, ch, 1);
    }
}

void WriteContinue(std::string_view s) { WriteText(s, true); }

void WriteLine(int x, int y, std::string_view s) {
    TextCursor = {x, y};
    WriteText(s, true);
    TextCursor.y += 16;
    if (TextCursor.y >= TextWindow.bottom) {
        ScrollTextWindow();
        TextCursor.y = kLastLineY;
    }
    TextCursor.x = TextWindow.left;
}

void WriteLineNoScroll(int x, int y, std::string_view s) {
    TextCursor = {x, y};
    WriteText(s, false);
    TextCursor.y += 16;
    TextCursor.x = TextWindow.left;
}

void WriteAt(int x, int y, std::string_view s, bool doubleSize) {
    observe(x, y, s);
    int scale = doubleSize ? 2 : 1;
    for (std::size_t i = 0; i < s.size();) x += drawChar(x, y, DecodeJohab(s, i), scale);
}

void WriteBold(int x, int y, std::string_view s) {
    WriteAt(x, y, s, false);
    TextObserver saved = std::move(observer);  // one text, drawn twice
    observer = nullptr;
    WriteAt(x + 1, y, s, false);
    observer = std::move(saved);
}

void WriteShadowed(int x, int y, std::string_view s) {
    int colour = GetColor();
    if (colour > 8) {
        TextObserver saved = std::move(observer);
        observer = nullptr;
        SetColor(colour - 8);
        WriteAt(x + 2, y + 1, s, false);
        SetColor(colour);
        observer = std::move(saved);
    }
    WriteAt(x, y, s, false);
}

void WriteDouble(int x, int y, std::string_view s) { WriteAt(x, y, s, true); }

void SetTextObserver(TextObserver o) { observer = std::move(o); }

}  // namespace vela
