#include "screen/text_output.h"

#include "screen/fonts.h"
#include "screen/gfx.h"
#include "runtime/key_queue.h"
#include "runtime/presenter.h"

namespace vela {

TextWindowRect TextWindow{0, 0, 640, 480};
TextCursorPos TextCursor{0, 0};
uint8_t WaitOnScroll = 1;

namespace {

TextObserver observer;

// The message area scrolls by this fixed geometry, whatever the text window.
constexpr int kScrollX = 248, kScrollY = 48, kScrollWidth = 384, kScrollHeight = 263;
constexpr int kLastLineY = 256;

void observe(int x, int y, int index, std::string_view s) {
    if (observer && !s.empty()) observer(x, y, index, s);
}

// Plots the set bits of a glyph `width` pixels wide; at double size each
// bit is a 2 x 2 block on a grid starting 14 pixels left of x. A glyph wholly
// on the surface is written straight into its rows; one that crosses an edge
// goes pixel by pixel through PutPixel, which clips.
template <typename RowBits>
void plotGlyph(int x, int y, int width, RowBits rowBits, int scale, int index) {
    const int left = scale == 1 ? x : x - 14;
    if (left < 0 || left + width * scale > kMaxX + 1 || y < 0 || y + 16 * scale > kMaxY + 1) {
        for (int r = 0; r < 16; ++r) {
            unsigned bits = rowBits(r);
            for (int c = 0; c < width; ++c) {
                if (!(bits & (1u << (width - 1 - c)))) continue;
                for (int k = 0; k < scale * scale; ++k)
                    PutPixel(left + scale * c + k % scale, y + scale * r + k / scale, index);
            }
        }
        return;
    }
    uint16_t value = 0;
    int top = -1, bottom = -1;
    for (int r = 0; r < 16; ++r) {
        unsigned bits = rowBits(r);
        if (!bits) continue;
        if (top < 0) {
            value = PixelOf(index);
            top = y + scale * r;
        }
        bottom = y + scale * (r + 1);
        for (int line = 0; line < scale; ++line) {
            uint16_t* row = &Screen[std::size_t(y + scale * r + line) * 640 + std::size_t(left)];
            for (int c = 0; c < width; ++c)
                if (bits & (1u << (width - 1 - c)))
                    for (int k = 0; k < scale; ++k) row[scale * c + k] = value;
        }
    }
    if (top < 0) return;
    NoteRowsChanged(top, bottom);
    NoteDrawing();
}

// Draws one character at (x, y) in palette colour index and returns its advance.
int drawChar(int x, int y, const TextChar& ch, int scale, int index) {
    if (ch.syllable) {
        auto glyph = ComposeSyllable(ch.initial, ch.medial, ch.final);
        plotGlyph(x, y, 16, [&](int r) { return unsigned(glyph[r * 2] << 8 | glyph[r * 2 + 1]); }, scale, index);
        return 16 * scale;
    }
    const uint8_t* glyph = AsciiGlyph(ch.byte);
    plotGlyph(x, y, 8, [&](int r) { return unsigned(glyph[r]); }, scale, index);
    return 8 * scale;
}

// Draws a text without recording it (the second pass of bold, a shadow).
void drawText(int x, int y, int index, std::string_view s, int scale) {
    for (std::size_t i = 0; i < s.size();) x += drawChar(x, y, DecodeJohab(s, i), scale, index);
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

void WriteText(TextColour colour, std::string_view s, bool scroll) {
    DiscardKeys();
    scrollIfBelow(scroll);
    int index = PaletteIndex(colour);
    observe(TextCursor.x, TextCursor.y, index, s);
    for (std::size_t i = 0; i < s.size();) {
        TextChar ch = DecodeJohab(s, i);
        if (TextCursor.x + 8 >= TextWindow.right) {
            TextCursor.x = TextWindow.left;
            TextCursor.y += 16;
            scrollIfBelow(scroll);
        }
        TextCursor.x += drawChar(TextCursor.x, TextCursor.y, ch, 1, index);
    }
}

void WriteContinue(TextColour colour, std::string_view s) { WriteText(colour, s, true); }

void WriteLine(int x, int y, TextColour colour, std::string_view s) {
    TextCursor = {x, y};
    WriteText(colour, s, true);
    TextCursor.y += 16;
    if (TextCursor.y >= TextWindow.bottom) {
        ScrollTextWindow();
        TextCursor.y = kLastLineY;
    }
    TextCursor.x = TextWindow.left;
}

void WriteLineNoScroll(int x, int y, TextColour colour, std::string_view s) {
    TextCursor = {x, y};
    WriteText(colour, s, false);
    TextCursor.y += 16;
    TextCursor.x = TextWindow.left;
}

void WriteAt(int x, int y, TextColour colour, std::string_view s, bool doubleSize) {
    observe(x, y, PaletteIndex(colour), s);
    drawText(x, y, PaletteIndex(colour), s, doubleSize ? 2 : 1);
}

void WriteBold(int x, int y, TextColour colour, std::string_view s) {
    WriteAt(x, y, colour, s, false);
    drawText(x + 1, y, PaletteIndex(colour), s, 1);
}

void WriteShadowed(int x, int y, TextColour colour, std::string_view s) {
    int index = PaletteIndex(colour);
    if (index > 8) drawText(x + 2, y + 1, index - 8, s, 1);
    WriteAt(x, y, colour, s, false);
}

void WriteDouble(int x, int y, TextColour colour, std::string_view s) { WriteAt(x, y, colour, s, true); }

void WriteJamo(int x, int y, TextColour colour, std::string_view jamo) {
    std::size_t i = 0;
    TextChar ch = jamo.empty() ? TextChar{} : DecodeJohab(jamo, i);
    const uint8_t* glyph = ch.syllable && i == jamo.size() ? JamoGlyph(ch.initial, ch.medial, ch.final) : nullptr;
    if (!glyph) {
        WriteAt(x, y, colour, jamo, false);
        return;
    }
    observe(x, y, PaletteIndex(colour), jamo);
    plotGlyph(x, y, 16, [&](int r) { return unsigned(glyph[r * 2] << 8 | glyph[r * 2 + 1]); }, 1, PaletteIndex(colour));
}

void SetTextObserver(TextObserver o) { observer = std::move(o); }

}  // namespace vela
