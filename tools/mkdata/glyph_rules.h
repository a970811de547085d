// The rules a Hangul font's pieces keep in every one of the 11,172 syllables
// they compose: no two pieces share a pixel, no two pieces touch side by side
// (a blank pixel parts them), and no pixel is without a neighbour.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace mkdata {

constexpr int kHangulGlyphs = 224;

// "initial ㄷ form 2", "medial ㅏ with final", "final ㄱ under horizontal", ...
std::string HangulLabel(int glyph);

struct GlyphFault {
    enum Kind { kOverlap, kTouch, kLone } kind;
    char32_t syllable;
    int piece, other;  // glyph numbers; `other` is -1 for a lone pixel
    int row, column;   // the first pixel of `piece` at fault
};

// Numbers of syllables breaking each rule.
struct GlyphCounts {
    int overlapping = 0, touching = 0, lone = 0;
};

// Checks a font of 224 pieces (7168 bytes, two bytes per row); the first fault
// of each kind in each syllable goes to `faults` when given.
GlyphCounts CheckSyllables(const std::vector<uint8_t>& font, std::vector<GlyphFault>* faults = nullptr);

// "가: glyph 0 (initial ㄱ form 0) touches glyph 114 (medial ㅏ) at row 4, column 8"
std::string Describe(const GlyphFault& fault);

}  // namespace mkdata
