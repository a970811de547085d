// Writing text on the screen: one-line writers at a position and the
// message writer that wraps inside the text window and scrolls the message
// area, waiting for a key before each scroll when asked to.
#pragma once

#include <cstdint>
#include <functional>
#include <string_view>

#include "screen/text_colour.h"

namespace vela {

struct TextWindowRect {
    int32_t left, top, right, bottom;
};
struct TextCursorPos {
    int32_t x, y;
};

extern TextWindowRect TextWindow;
extern TextCursorPos TextCursor;
extern uint8_t WaitOnScroll;

// Start-up state: the ASCII font and Hangul set 0 read, the message area as
// text window.
void InitTextOutput();
void ResetTextState();

void SetTextWindow(int left, int top, int right, int bottom);
void SetTextCursor(int x, int y);
void SetWaitOnScroll(uint8_t flag);

void ScrollTextWindow();
// The writers draw in the colour they are given and leave the drawing colour
// of lines (SetColor) alone.
void WriteText(TextColour colour, std::string_view s, bool scroll);
void WriteContinue(TextColour colour, std::string_view s);
void WriteLine(int x, int y, TextColour colour, std::string_view s);
void WriteLineNoScroll(int x, int y, TextColour colour, std::string_view s);
void WriteAt(int x, int y, TextColour colour, std::string_view s, bool doubleSize);
void WriteBold(int x, int y, TextColour colour, std::string_view s);
// A colour above 8 gets a shadow in the colour 8 below it, 2 right and 1 down.
void WriteShadowed(int x, int y, TextColour colour, std::string_view s);
void WriteDouble(int x, int y, TextColour colour, std::string_view s);
// A lone jamo (a Johab pair with one part, JamoGlyph) drawn whole, as the
// letter stands alone rather than as the piece a syllable uses; anything else
// is drawn as WriteAt draws it.
void WriteJamo(int x, int y, TextColour colour, std::string_view jamo);

// Every text drawn, with where it started and its palette index (the
// harness's transcript). Empty function: nothing is recorded.
using TextObserver = std::function<void(int x, int y, int colour, std::string_view johab)>;
void SetTextObserver(TextObserver observer);

}  // namespace vela
