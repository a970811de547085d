#include "screen/syllable_pieces.h"

namespace vela {

namespace {

bool isHorizontal(uint8_t medial) {
    return medial == 13 || medial == 19 || medial == 20 || medial == 26 || medial == 27;
}

}  // namespace

SyllablePieces PiecesOf(uint8_t initial, uint8_t medial, uint8_t final) {
    bool hasFinal = final > 1;
    int form = (medial < 13 || medial == 29) ? 0 : isHorizontal(medial) ? 1 : 2;
    if (hasFinal) form += 3;
    // Codes beyond the font's ranges have no piece and are left out.
    SyllablePieces p{-1, -1, -1};
    if (initial > 1 && initial <= 20) p.initial = (initial - 2) * 6 + form;
    if (medial > 2 && medial <= 29) p.medial = 114 + (medial - 3) * 2 + (hasFinal ? 1 : 0);
    if (hasFinal && final <= 29) p.final = 168 + (final - 2) * 2 + (isHorizontal(medial) ? 1 : 0);
    return p;
}

}  // namespace vela
