// Which pieces of a Hangul font make up a syllable. A syllable is the OR of up
// to three 16 x 16 pieces chosen by its Johab jamo codes; the game, the data
// builder and the tests all compose syllables this way.
#pragma once

#include <cstdint>

namespace vela {

// Glyph numbers of a syllable's pieces; -1 for a piece left out (a fill
// code, or a code the font has no piece for).
struct SyllablePieces {
    int initial, medial, final;
};
SyllablePieces PiecesOf(uint8_t initial, uint8_t medial, uint8_t final);

}  // namespace vela
