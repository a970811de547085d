// The glyph rules the data builder enforces: pieces of a syllable keep a blank
// pixel between them and no pixel stands alone, and a font breaking them
// fails the build with the piece and the syllable named.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "../../tools/mkdata/builders.h"
#include "../../tools/mkdata/glyph_rules.h"

namespace {

namespace fs = std::filesystem;

void Ink(std::vector<uint8_t>& font, int glyph, int x, int y) {
    font[size_t(glyph) * 32 + y * 2 + x / 8] |= uint8_t(0x80 >> (x % 8));
}

bool Mentions(const std::vector<std::string>& lines, const std::string& text) {
    for (const auto& l : lines)
        if (l.find(text) != std::string::npos) return true;
    return false;
}

TEST(GlyphRules, TouchingPiecesAndLonePixelsAreFoundAndNamed) {
    std::vector<uint8_t> font(224 * 32, 0);
    const int g = 0, n = 12, a = 114;  // ㄱ and ㄴ over a vertical vowel, ㅏ without a final
    for (int x = 3; x <= 7; ++x) Ink(font, g, x, 4);  // a ㄱ whose stem leans on the stem of ㅏ
    for (int y = 6; y <= 12; ++y) Ink(font, g, 10, y);
    for (int y = 5; y <= 11; ++y) Ink(font, n, 1, y);  // ㄴ, well apart
    for (int x = 1; x <= 8; ++x) Ink(font, n, x, 11);
    for (int y = 2; y <= 14; ++y) Ink(font, a, 11, y);
    Ink(font, a, 12, 8);
    Ink(font, a, 8, 3);  // a stray pixel: alone but where ㄱ's bar ends below it

    std::vector<mkdata::GlyphFault> faults;
    mkdata::GlyphCounts counts = mkdata::CheckSyllables(font, &faults);
    EXPECT_EQ(counts.overlapping, 0);
    EXPECT_EQ(counts.touching, 1);  // 가 only
    EXPECT_EQ(counts.lone, 18);     // every ㅏ syllable without a final but 가
    std::vector<std::string> said;
    for (const auto& f : faults) said.push_back(mkdata::Describe(f));
    EXPECT_TRUE(Mentions(said, "가: glyph 0 (initial ㄱ form 0) touches glyph 114 (medial ㅏ) at row 6, column 10"));
    EXPECT_TRUE(Mentions(said, "나: glyph 114 (medial ㅏ) has a pixel without a neighbour at row 3, column 8"));
    EXPECT_FALSE(Mentions(said, "가: glyph 114 (medial ㅏ) has a pixel"));
}

TEST(GlyphRules, TheBuildFailsOnAStrayPixelNamingPieceAndSyllable) {
    fs::path dir = fs::temp_directory_path() / ("vela-glyphs-" + std::to_string(std::random_device{}()));
    fs::create_directories(dir / "data");
    fs::create_directories(dir / "out");
    fs::copy(fs::path(VELA_SOURCE_DIR) / "data" / "fonts", dir / "data" / "fonts");
    auto build = [&] {
        testing::internal::CaptureStderr();
        int status = mkdata::BuildFonts(dir / "data", dir / "out");
        std::istringstream lines(testing::internal::GetCapturedStderr());
        std::vector<std::string> said;
        for (std::string l; std::getline(lines, l);) said.push_back(l);
        return std::make_pair(status, said);
    };
    ASSERT_EQ(build().first, 0) << "the committed fonts keep the rules";

    // The regular cut's ㅏ gets back the stray pixel at row 4, column 8 that
    // once floated beside ㄴ: alone in 나, on the corner of ㄱ in 가.
    fs::path regular = dir / "data" / "fonts" / "tarn2.txt";
    std::ifstream in(regular);
    std::vector<std::string> text;
    for (std::string l; std::getline(in, l);) text.push_back(l);
    in.close();
    size_t header = 0;
    while (text[header] != "glyph 114 medial ㅏ") ++header;
    text[header + 1 + 4][8] = '#';
    std::ofstream(regular) << [&] {
        std::string all;
        for (const auto& l : text) all += l + "\n";
        return all;
    }();

    auto [status, said] = build();
    EXPECT_EQ(status, 1);
    EXPECT_TRUE(Mentions(said, "tarn2.txt: 나: glyph 114 (medial ㅏ) has a pixel without a neighbour at row 4, column 8"));
    EXPECT_TRUE(Mentions(said, "tarn2.txt: 가: glyph 0 (initial ㄱ form 0) overlaps glyph 114 (medial ㅏ) at row 4, column 8"));
    EXPECT_FALSE(Mentions(said, "tarn0.txt")) << "the other cuts are untouched";
    fs::remove_all(dir);
}

}  // namespace
