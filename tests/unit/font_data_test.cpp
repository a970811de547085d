// The built font files: sizes, and that every Hangul syllable composes from
// pieces that never overlap, in each of the three typefaces.
#include <gtest/gtest.h>

#include <array>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "screen/johab.h"

namespace {

std::vector<uint8_t> ReadFont(const std::string& name) {
    std::ifstream in(std::string(VELA_DATA_DIR) + "/" + name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

bool Horizontal(int medial) { return medial == 13 || medial == 19 || medial == 20 || medial == 26 || medial == 27; }

// Glyph numbers of the pieces of a Johab syllable code; -1 where the jamo is the fill.
std::array<int, 3> Pieces(uint16_t code) {
    int initial = (code >> 10) & 31, medial = (code >> 5) & 31, final = code & 31;
    bool hasFinal = final > 1;
    int form = (medial < 13 || medial == 29 ? 0 : Horizontal(medial) ? 1 : 2) + (hasFinal ? 3 : 0);
    return {initial > 1 ? (initial - 2) * 6 + form : -1, medial > 2 ? 114 + (medial - 3) * 2 + (hasFinal ? 1 : 0) : -1,
            hasFinal ? 168 + (final - 2) * 2 + (Horizontal(medial) ? 1 : 0) : -1};
}

bool Blank(const std::vector<uint8_t>& font, int glyph, int bytes) {
    for (int k = 0; k < bytes; ++k)
        if (font[size_t(glyph) * bytes + k]) return false;
    return true;
}

const char* const kSets[3] = {"tarn0.fnt", "tarn1.fnt", "tarn2.fnt"};

TEST(FontData, FilesHaveTheGameSizes) {
    EXPECT_EQ(ReadFont("ascii.fnt").size(), 1536u);
    for (const char* name : kSets) EXPECT_EQ(ReadFont(name).size(), 7168u) << name;
}

TEST(FontData, NoSyllableHasOverlappingPieces) {
    for (const char* name : kSets) {
        std::vector<uint8_t> font = ReadFont(name);
        ASSERT_EQ(font.size(), 7168u) << name;
        for (char32_t c = 0xAC00; c <= 0xD7A3; ++c) {
            uint16_t code = vela::JohabCodeOf(c);
            auto p = Pieces(code);
            for (int a = 0; a < 3; ++a)
                for (int b = a + 1; b < 3; ++b) {
                    if (p[a] < 0 || p[b] < 0) continue;
                    for (int k = 0; k < 32; ++k)
                        if (font[size_t(p[a]) * 32 + k] & font[size_t(p[b]) * 32 + k]) {
                            std::string johab{char(code >> 8), char(code & 0xFF)};
                            FAIL() << name << ": pieces " << p[a] << " and " << p[b] << " of "
                                   << vela::JohabToUtf8(johab) << " overlap in row " << k / 2;
                        }
                }
        }
    }
}

TEST(FontData, UsedPiecesHaveInkAndUnusedSlotsAreBlank) {
    for (const char* name : kSets) {
        std::vector<uint8_t> font = ReadFont(name);
        ASSERT_EQ(font.size(), 7168u) << name;
        std::array<bool, 224> used{};
        for (char32_t c = 0xAC00; c <= 0xD7A3; ++c)
            for (int g : Pieces(vela::JohabCodeOf(c)))
                if (g >= 0) used[g] = true;
        for (int g = 0; g < 224; ++g) EXPECT_EQ(Blank(font, g, 32), !used[g]) << name << " glyph " << g;
    }
}

TEST(FontData, TheThreeCutsDiffer) {
    EXPECT_NE(ReadFont(kSets[0]), ReadFont(kSets[2]));
    EXPECT_NE(ReadFont(kSets[1]), ReadFont(kSets[2]));
    EXPECT_NE(ReadFont(kSets[0]), ReadFont(kSets[1]));
}

TEST(FontData, AsciiGlyphsSitAtCodeMinus31) {
    std::vector<uint8_t> ascii = ReadFont("ascii.fnt");
    ASSERT_EQ(ascii.size(), 1536u);
    EXPECT_FALSE(Blank(ascii, 0, 16));          // code 31, shown for control codes
    EXPECT_TRUE(Blank(ascii, ' ' - 31, 16));    // space
    for (char c : std::string("Az09~!")) EXPECT_FALSE(Blank(ascii, c - 31, 16)) << c;
    // 'l' and 'I' both have ink, but not the same picture: the table is not shifted.
    EXPECT_NE(std::vector<uint8_t>(ascii.begin() + ('l' - 31) * 16, ascii.begin() + ('l' - 30) * 16),
              std::vector<uint8_t>(ascii.begin() + ('I' - 31) * 16, ascii.begin() + ('I' - 30) * 16));
}

}  // namespace
