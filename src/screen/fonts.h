// The game's bitmap fonts: an 8 x 16 ASCII font, a Hangul font of jamo
// pieces from which every syllable is composed, and the whole jamo the name
// keyboard shows.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "screen/syllable_pieces.h"

namespace vela {

extern std::array<uint8_t, 1536> AsciiFont;   // 96 glyphs, code 31 + g
extern std::array<uint8_t, 7168> HangulFont;  // 224 pieces of 16 x 16

inline constexpr const char* kAsciiFontFile = "ascii.fnt";
constexpr int kHangulFontSets = 3;  // tarn0.fnt .. tarn2.fnt
std::string HangulFontFile(int set);
// The letters standing alone, 16 x 16: the compatibility jamo ㄱ..ㅣ
// (U+3131..U+3163), 30 consonants then 21 vowels.
inline constexpr const char* kJamoFontFile = "jamo.fnt";
constexpr int kJamoGlyphs = 51;
extern std::array<uint8_t, kJamoGlyphs * 32> JamoFont;

// Reads "ascii.fnt"; a missing or short file throws IoError.
void LoadAsciiFont();
// Reads "tarn<n>.fnt"; a missing or short file throws IoError.
void LoadHangulFont(int set);
int LoadedHangulSet();
// Reads "jamo.fnt"; a missing or short file throws IoError.
void LoadJamoFont();

// One character of a text: a Johab syllable or a single byte.
struct TextChar {
    bool syllable;
    uint8_t initial, medial, final;  // Johab jamo codes of a syllable
    uint8_t byte;                    // the single byte otherwise
};
// Decodes the character at index i (0-based) and advances i.
TextChar DecodeJohab(std::string_view s, std::size_t& i);

// The 16 x 16 glyph of a syllable: two bytes per row, the pieces ORed.
std::array<uint8_t, 32> ComposeSyllable(uint8_t initial, uint8_t medial, uint8_t final);
// The 8 x 16 glyph of a single byte.
const uint8_t* AsciiGlyph(uint8_t code);
// The whole 16 x 16 glyph of a lone jamo: Johab codes of which exactly one
// part is not the fill (an initial, a vowel or a final alone). Null for any
// other code and for the codes Johab leaves unused.
const uint8_t* JamoGlyph(uint8_t initial, uint8_t medial, uint8_t final);

}  // namespace vela
