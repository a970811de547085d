#include "screen/text_output.h"

#include "screen/fonts.h"
#include "screen/gfx.h"
#include "runtime/key_queue.h"

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

// Plots the set bits of a glyph `width` pixels wide; at double size each
// bit is a 2 x 2 block on a grid starting 14 pixels left of x.
template <typename RowBits>
void plotGlyph(int x, int y, int width, RowBits rowBits, int scale, int colour) {
    for (int r = 0; r < 16; ++r) {
        unsigned bits = rowBits(r);
        for (int c = 0; c < width; ++c) {
            if (!(bits & (1u << (width - 1 - c)))) continue;
            if (scale == 1) {
                PutPixel(x + c, y + r, colour);
            } else {
                for (int k = 0; k < 4; ++k) PutPixel(x - 14 + 2 * c + k % 2, y + 2 * r + k / 2, colour);
            }
        }
    }
}

// Draws one character at (x, y) and returns its advance.
int drawChar(int x, int y, const TextChar& ch, int scale) {
    int colour = GetColor();
    if (ch.syllable) {
        auto glyph = ComposeSyllable(ch.initial, ch.medial, ch.final);
        plotGlyph(x, y, 16, [&](int r) { return unsigned(glyph[r * 2] << 8 | glyph[r * 2 + 1]); }, scale, colour);
        return 16 * scale;
    }
    const uint8_t* glyph = AsciiGlyph(ch.byte);
    plotGlyph(x, y, 8, [&](int r) { return unsigned(glyph[r]); }, scale, colour);
    return 8 * scale;
}

// Draws a text a second time (bold, shadow) without recording it again.
template <typename Draw>
void unobserved(Draw draw) {
    TextObserver saved = std::move(observer);
    observer = nullptr;
    draw();
    observer = std::move(saved);
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
    unobserved([&] { WriteAt(x + 1, y, s, false); });
}

void WriteShadowed(int x, int y, std::string_view s) {
    int colour = GetColor();
    if (colour > 8) {
        unobserved([&] {
            SetColor(colour - 8);
            WriteAt(x + 2, y + 1, s, false);
            SetColor(colour);
        });
    }
    WriteAt(x, y, s, false);
}

void WriteDouble(int x, int y, std::string_view s) { WriteAt(x, y, s, true); }

void SetTextObserver(TextObserver o) { observer = std::move(o); }

}  // namespace vela
