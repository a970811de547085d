// The words of scenes in the message window: lines of speech, pages,
// headings, and the curtain that closes the map view between scenes.
#pragma once

#include <initializer_list>
#include <string_view>

#include "screen/text_colour.h"

namespace vela {

// Lines in one colour, each on its own message line.
void Say(TextColour colour, std::initializer_list<std::string_view> lines);
// The any-key prompt between the pages of a long speech.
void NextPage();
// What signs and gravestones open with: the heading and two empty lines,
// starting a line higher than other text.
void Heading(std::string_view heading);
// Closes the map view with two black bars from the edges to the middle.
void Curtain();

}  // namespace vela
