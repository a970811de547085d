#include "glyph_rules.h"

#include <array>

#include "screen/johab.h"
#include "screen/syllable_pieces.h"

namespace mkdata {
namespace {

// Jamo letters in Johab code order, UTF-8.
const char* const kInitials[19] = {"ㄱ", "ㄲ", "ㄴ", "ㄷ", "ㄸ", "ㄹ", "ㅁ", "ㅂ", "ㅃ", "ㅅ",
                                   "ㅆ", "ㅇ", "ㅈ", "ㅉ", "ㅊ", "ㅋ", "ㅌ", "ㅍ", "ㅎ"};
// Medial codes 3..29; empty where Johab has no vowel.
const char* const kMedials[27] = {"ㅏ", "ㅐ", "ㅑ", "ㅒ", "ㅓ", "",   "",   "ㅔ", "ㅕ", "ㅖ", "ㅗ", "ㅘ", "ㅙ", "",
                                  "",   "ㅚ", "ㅛ", "ㅜ", "ㅝ", "ㅞ", "ㅟ", "",   "",   "ㅠ", "ㅡ", "ㅢ", "ㅣ"};
// Final codes 2..29; empty for the unused code 18.
const char* const kFinals[28] = {"ㄱ", "ㄲ", "ㄳ", "ㄴ", "ㄵ", "ㄶ", "ㄷ", "ㄹ", "ㄺ", "ㄻ", "ㄼ", "ㄽ", "ㄾ", "ㄿ",
                                 "ㅀ", "ㅁ", "",   "ㅂ", "ㅄ", "ㅅ", "ㅆ", "ㅇ", "ㅈ", "ㅊ", "ㅋ", "ㅌ", "ㅍ", "ㅎ"};

using Rows = std::array<uint16_t, 16>;  // bit 15 - x is column x

Rows RowsOf(const std::vector<uint8_t>& font, int glyph) {
    Rows rows{};
    if (glyph < 0) return rows;
    for (int y = 0; y < 16; ++y) rows[y] = uint16_t(font[glyph * 32 + y * 2] << 8 | font[glyph * 32 + y * 2 + 1]);
    return rows;
}

uint16_t Beside(uint16_t row) { return uint16_t(row << 1 | row >> 1); }

// Pixels of `a` that `b` shares, or that have a pixel of `b` left, right, above or below.
Rows Touching(const Rows& a, const Rows& b) {
    Rows out{};
    for (int y = 0; y < 16; ++y)
        out[y] = a[y] & (b[y] | Beside(b[y]) | (y > 0 ? b[y - 1] : 0) | (y < 15 ? b[y + 1] : 0));
    return out;
}

Rows Shared(const Rows& a, const Rows& b) {
    Rows out{};
    for (int y = 0; y < 16; ++y) out[y] = a[y] & b[y];
    return out;
}

// Pixels with none of their eight neighbours inked.
Rows Lone(const Rows& c) {
    Rows out{};
    for (int y = 0; y < 16; ++y) {
        uint16_t near = Beside(c[y]);
        for (int dy : {-1, 1})
            if (y + dy >= 0 && y + dy < 16) near |= c[y + dy] | Beside(c[y + dy]);
        out[y] = c[y] & ~near;
    }
    return out;
}

// The first pixel set in `rows`, as row and column; false when none is.
bool FirstPixel(const Rows& rows, int& row, int& column) {
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            if (rows[y] & (0x8000 >> x)) {
                row = y;
                column = x;
                return true;
            }
    return false;
}

std::string Utf8Of(char32_t c) {
    uint16_t code = vela::JohabCodeOf(c);
    return vela::JohabToUtf8(std::string{char(code >> 8), char(code & 0xFF)});
}

std::string Named(int glyph) { return "glyph " + std::to_string(glyph) + " (" + HangulLabel(glyph) + ")"; }

}  // namespace

std::string HangulLabel(int g) {
    if (g < 114) return std::string("initial ") + kInitials[g / 6] + " form " + std::to_string(g % 6);
    if (g < 168) {
        const char* v = kMedials[(g - 114) / 2];
        if (!*v) return "medial unused";
        return std::string("medial ") + v + ((g - 114) % 2 ? " with final" : "");
    }
    const char* f = kFinals[(g - 168) / 2];
    if (!*f) return "final unused";
    return std::string("final ") + f + ((g - 168) % 2 ? " under horizontal" : "");
}

GlyphCounts CheckSyllables(const std::vector<uint8_t>& font, std::vector<GlyphFault>* faults) {
    GlyphCounts counts;
    if (font.size() != size_t(kHangulGlyphs) * 32) return counts;
    for (char32_t c = 0xAC00; c <= 0xD7A3; ++c) {
        uint16_t code = vela::JohabCodeOf(c);
        vela::SyllablePieces p = vela::PiecesOf((code >> 10) & 31, (code >> 5) & 31, code & 31);
        const int glyphs[3] = {p.initial, p.medial, p.final};
        Rows pieces[3], composed{};
        for (int k = 0; k < 3; ++k) {
            pieces[k] = RowsOf(font, glyphs[k]);
            for (int y = 0; y < 16; ++y) composed[y] |= pieces[k][y];
        }
        bool overlap = false, touch = false;
        for (int a = 0; a < 3; ++a)
            for (int b = a + 1; b < 3; ++b) {
                int row, column;
                if (FirstPixel(Shared(pieces[a], pieces[b]), row, column)) {
                    if (!overlap && faults) faults->push_back({GlyphFault::kOverlap, c, glyphs[a], glyphs[b], row, column});
                    overlap = true;
                } else if (FirstPixel(Touching(pieces[a], pieces[b]), row, column)) {
                    if (!touch && faults) faults->push_back({GlyphFault::kTouch, c, glyphs[a], glyphs[b], row, column});
                    touch = true;
                }
            }
        counts.overlapping += overlap;
        counts.touching += touch;
        int row, column;
        if (FirstPixel(Lone(composed), row, column)) {
            ++counts.lone;
            if (faults)
                for (int k = 0; k < 3; ++k)
                    if (pieces[k][row] & (0x8000 >> column))
                        faults->push_back({GlyphFault::kLone, c, glyphs[k], -1, row, column});
        }
    }
    return counts;
}

std::string Describe(const GlyphFault& f) {
    std::string at = " at row " + std::to_string(f.row) + ", column " + std::to_string(f.column);
    std::string head = Utf8Of(f.syllable) + ": " + Named(f.piece);
    switch (f.kind) {
        case GlyphFault::kOverlap: return head + " overlaps " + Named(f.other) + at;
        case GlyphFault::kTouch: return head + " touches " + Named(f.other) + at;
        case GlyphFault::kLone: break;
    }
    return head + " has a pixel without a neighbour" + at;
}

}  // namespace mkdata
