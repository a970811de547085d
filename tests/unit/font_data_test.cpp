// The built font files: sizes, and that every Hangul syllable composes from
// pieces that never overlap nor touch, with no pixel standing alone, in each
// of the three typefaces; the slanted one's strokes have no gaps.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <bit>
#include <iostream>
#include <string>
#include <vector>

#include "../../tools/mkdata/glyph_rules.h"
#include "screen/johab.h"
#include "screen/syllable_pieces.h"
#include "session.h"

namespace {

using vela::test::ReadBuiltData;

// Glyph numbers of the pieces of a Unicode syllable; -1 where the jamo is the fill.
std::array<int, 3> Pieces(char32_t c) {
    uint16_t code = vela::JohabCodeOf(c);
    vela::SyllablePieces p = vela::PiecesOf((code >> 10) & 31, (code >> 5) & 31, code & 31);
    return {p.initial, p.medial, p.final};
}

bool Blank(const std::vector<uint8_t>& font, int glyph, int bytes) {
    for (int k = 0; k < bytes; ++k)
        if (font[size_t(glyph) * bytes + k]) return false;
    return true;
}

const char* const kSets[3] = {"tarn0.fnt", "tarn1.fnt", "tarn2.fnt"};

TEST(FontData, FilesHaveTheGameSizes) {
    EXPECT_EQ(ReadBuiltData("ascii.fnt").size(), 1536u);
    for (const char* name : kSets) EXPECT_EQ(ReadBuiltData(name).size(), 7168u) << name;
}

// Every whole jamo is a letter standing in the middle of its square, as the
// name keyboard shows it: inked, and no more than a pixel off centre.
TEST(FontData, EveryWholeJamoIsInkedAndCentred) {
    std::vector<uint8_t> jamo = ReadBuiltData("jamo.fnt");
    ASSERT_EQ(jamo.size(), 51u * 32);
    for (int g = 0; g < 51; ++g) {
        int left = 16, right = -1, top = 16, bottom = -1;
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x)
                if (jamo[std::size_t(g * 32 + y * 2 + x / 8)] & (0x80 >> (x % 8))) {
                    left = std::min(left, x), right = std::max(right, x);
                    top = std::min(top, y), bottom = std::max(bottom, y);
                }
        ASSERT_GE(right, 0) << "jamo " << g << " is blank";
        EXPECT_LE(std::abs(left - (15 - right)), 1) << "jamo " << g;
        EXPECT_LE(std::abs(top - (15 - bottom)), 1) << "jamo " << g;
    }
}

TEST(FontData, EverySyllableKeepsItsPiecesApartAndNoPixelAlone) {
    for (const char* name : kSets) {
        std::vector<uint8_t> font = ReadBuiltData(name);
        ASSERT_EQ(font.size(), 7168u) << name;
        std::vector<mkdata::GlyphFault> faults;
        mkdata::GlyphCounts counts = mkdata::CheckSyllables(font, &faults);
        std::cout << name << ": of 11172 syllables, " << counts.overlapping << " overlap, " << counts.touching
                  << " have pieces touching side by side, " << counts.lone << " have a pixel without a neighbour\n";
        EXPECT_TRUE(faults.empty()) << name << ": " << mkdata::Describe(faults.front());
    }
}

TEST(FontData, UsedPiecesHaveInkAndUnusedSlotsAreBlank) {
    for (const char* name : kSets) {
        std::vector<uint8_t> font = ReadBuiltData(name);
        ASSERT_EQ(font.size(), 7168u) << name;
        std::array<bool, 224> used{};
        for (char32_t c = 0xAC00; c <= 0xD7A3; ++c)
            for (int g : Pieces(c))
                if (g >= 0) used[g] = true;
        for (int g = 0; g < 224; ++g) EXPECT_EQ(Blank(font, g, 32), !used[g]) << name << " glyph " << g;
    }
}

// Bold carries clearly more ink than the regular cut, and the slanted cut
// differs from it in nearly every piece.
TEST(FontData, TheThreeCutsAreClearlyDifferent) {
    std::vector<uint8_t> cuts[3];
    for (int n = 0; n < 3; ++n) {
        cuts[n] = ReadBuiltData(kSets[n]);
        ASSERT_EQ(cuts[n].size(), 7168u) << kSets[n];
    }
    int ink[3] = {}, slantedDiffers = 0;
    for (int g = 0; g < 224; ++g) {
        bool differs = false;
        for (int k = g * 32; k < g * 32 + 32; ++k) {
            for (int n = 0; n < 3; ++n) ink[n] += std::popcount(cuts[n][k]);
            differs |= cuts[1][k] != cuts[2][k];
        }
        slantedDiffers += differs;
    }
    EXPECT_GT(ink[0] * 10, ink[2] * 13) << "bold " << ink[0] << " pixels, regular " << ink[2];
    EXPECT_GT(slantedDiffers, 200) << "of 210 pieces in use";
}

// The 8-connected parts of a Hangul piece: the strokes that do not meet.
int Parts(const std::vector<uint8_t>& font, int glyph) {
    auto ink = [&](int x, int y) {
        return x >= 0 && x < 16 && y >= 0 && y < 16 && (font[size_t(glyph) * 32 + y * 2 + x / 8] & (0x80 >> (x % 8)));
    };
    std::array<bool, 256> seen{};
    int parts = 0;
    for (int start = 0; start < 256; ++start) {
        if (seen[start] || !ink(start % 16, start / 16)) continue;
        ++parts;
        std::vector<int> todo{start};
        seen[start] = true;
        while (!todo.empty()) {
            int p = todo.back();
            todo.pop_back();
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx) {
                    int x = p % 16 + dx, y = p / 16 + dy;
                    if (ink(x, y) && !seen[y * 16 + x]) seen[y * 16 + x] = true, todo.push_back(y * 16 + x);
                }
        }
    }
    return parts;
}

// The slanted cut is the regular one leaned over, its rows moved in steps:
// a step never opens a gap in a stroke, so no slanted piece falls into more
// parts than its regular form (strokes may meet at a corner, never part).
TEST(FontData, TheSlantedCutsStepsKeepEveryStrokeWhole) {
    std::vector<uint8_t> slanted = ReadBuiltData("tarn1.fnt"), regular = ReadBuiltData("tarn2.fnt");
    ASSERT_EQ(slanted.size(), 7168u);
    ASSERT_EQ(regular.size(), 7168u);
    for (int g = 0; g < 224; ++g)
        EXPECT_LE(Parts(slanted, g), Parts(regular, g)) << "glyph " << g << " (" << mkdata::HangulLabel(g) << ")";
}

TEST(FontData, AsciiGlyphsSitAtCodeMinus31) {
    std::vector<uint8_t> ascii = ReadBuiltData("ascii.fnt");
    ASSERT_EQ(ascii.size(), 1536u);
    EXPECT_FALSE(Blank(ascii, 0, 16));          // code 31, shown for control codes
    EXPECT_TRUE(Blank(ascii, ' ' - 31, 16));    // space
    for (char c : std::string("Az09~!")) EXPECT_FALSE(Blank(ascii, c - 31, 16)) << c;
    // 'l' and 'I' both have ink, but not the same picture: the table is not shifted.
    EXPECT_NE(std::vector<uint8_t>(ascii.begin() + ('l' - 31) * 16, ascii.begin() + ('l' - 30) * 16),
              std::vector<uint8_t>(ascii.begin() + ('I' - 31) * 16, ascii.begin() + ('I' - 30) * 16));
}

}  // namespace
