#include "screen/fonts.h"

#include <algorithm>
#include <string>
#include <vector>

#include "files/file_bytes.h"
#include "runtime/halt.h"
#include "screen/johab.h"

namespace vela {

std::array<uint8_t, 1536> AsciiFont{};
std::array<uint8_t, 7168> HangulFont{};
std::array<uint8_t, kJamoGlyphs * 32> JamoFont{};

namespace {

int loadedSet = -1;

// Read into a copy so a short file never leaves a half-filled font.
template <std::size_t N>
void readWhole(const std::string& name, std::array<uint8_t, N>& into) {
    bool opened = false;
    std::vector<uint8_t> bytes = ReadUpTo(name, N, &opened);
    if (!opened) ReportMissingFile(name);
    if (bytes.size() != N)
        ReportDamagedFile(name, "it holds " + std::to_string(bytes.size()) + " bytes, not " + std::to_string(N));
    std::copy(bytes.begin(), bytes.end(), into.begin());
}

}  // namespace

std::string HangulFontFile(int set) { return "tarn" + std::to_string(set) + ".fnt"; }

void LoadAsciiFont() { readWhole(kAsciiFontFile, AsciiFont); }

void LoadHangulFont(int set) {
    readWhole(HangulFontFile(set), HangulFont);
    loadedSet = set;
}

int LoadedHangulSet() { return loadedSet; }

void LoadJamoFont() { readWhole(kJamoFontFile, JamoFont); }

TextChar DecodeJohab(std::string_view s, std::size_t& i) {
    uint8_t b1 = uint8_t(s[i]);
    if ((b1 & 0x80) && i + 1 < s.size()) {
        uint8_t b2 = uint8_t(s[i + 1]);
        i += 2;
        return TextChar{true, uint8_t((b1 & 124) >> 2), uint8_t((b1 & 3) * 8 + (b2 >> 5)), uint8_t(b2 & 31), 0};
    }
    ++i;
    return TextChar{false, 0, 0, 0, b1};
}

std::array<uint8_t, 32> ComposeSyllable(uint8_t initial, uint8_t medial, uint8_t final) {
    std::array<uint8_t, 32> glyph{};
    SyllablePieces p = PiecesOf(initial, medial, final);
    for (int piece : {p.initial, p.medial, p.final}) {
        if (piece < 0) continue;
        for (int k = 0; k < 32; ++k) glyph[k] |= HangulFont[piece * 32 + k];
    }
    return glyph;
}

const uint8_t* AsciiGlyph(uint8_t code) {
    int g = code < 31 ? 0 : code > 126 ? 1 : code - 31;
    return &AsciiFont[g * 16];
}

const uint8_t* JamoGlyph(uint8_t initial, uint8_t medial, uint8_t final) {
    // Final codes 2..29 as compatibility consonants; 18 is unused.
    static constexpr int8_t kFinalJamo[28] = {0,  1,  2,  3,  4,  5,  6,  8,  9,  10, 11, 12, 13, 14,
                                              15, 16, -1, 17, 19, 20, 21, 22, 23, 25, 26, 27, 28, 29};
    if ((initial > 1) + (medial > 2) + (final > 1) != 1) return nullptr;
    int g = -1;
    if (initial > 1) {
        for (std::size_t k = 0; k < johab_detail::kConsonant.size(); ++k)
            if (johab_detail::kConsonant[k].initial == initial) g = int(k);
    } else if (medial > 2) {
        for (std::size_t v = 0; v < johab_detail::kMedialCode.size(); ++v)
            if (johab_detail::kMedialCode[v] == medial) g = 30 + int(v);
    } else if (final <= 29) {
        g = kFinalJamo[final - 2];
    }
    return g < 0 ? nullptr : &JamoFont[std::size_t(g) * 32];
}

}  // namespace vela
