// The message window on the right of the screen: clearing it, writing
// lines into it (they wrap inside the text window and scroll at its bottom),
// the any-key prompt and the short fixed answers of shops and services.
#pragma once

#include <cstdint>
#include <string_view>

#include "screen/text_colour.h"

namespace vela {

// The message window, inclusive corners; every prompt lives inside it.
constexpr int kMessageLeft = 241, kMessageTop = 21, kMessageRight = 626, kMessageBottom = 288;
// After ClearMessages the cursor sits here, so the first line lands at y 48.
constexpr int kMessageStartY = 32;
// Message lines start at this x; wrapped continuations at the text window's left.
constexpr int kMessageX = 260;

// Fills the message window with the fill colour; the next line goes to y 48.
void ClearMessages();
// "아무키나 누르십시오 ..." in yellow at (260, 272); keys typed before it are
// dropped; the key that answers it ends in LastKey (the code itself for an
// arrow); then the message window is cleared.
void PressAnyKey();
// A new message line in the colour, at x 260 one line below the last one;
// an empty text just advances a line.
void WriteMessage(TextColour colour, std::string_view text);
// An empty message line.
void WriteBlankLine();
// As WriteMessage when newLine, else continues the current line.
void WriteMessagePart(TextColour colour, std::string_view text, bool newLine);
// One line of three parts, the middle one in colour2.
void WriteMessage3(TextColour colour1, TextColour colour2, std::string_view text1, std::string_view text2,
                   std::string_view text3);
void ClearAndWrite(TextColour colour, std::string_view text);

// "당신은 금화 N개를 발견했다." and the gold added to the party.
void GainGold(int32_t amount);
void SayAsYouWish();
void SayNotEnoughMoney();
void SayThankYou();

}  // namespace vela
