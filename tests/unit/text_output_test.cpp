#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "screen/fonts.h"
#include "screen/gfx.h"
#include "screen/johab.h"
#include "screen/text_output.h"
#include "session.h"
#include "runtime/halt.h"
#include "runtime/key_queue.h"

namespace vela {
namespace {

SyllablePieces piecesOf(std::string_view johab) {
    std::size_t i = 0;
    TextChar c = DecodeJohab(johab, i);
    EXPECT_TRUE(c.syllable);
    return PiecesOf(c.initial, c.medial, c.final);
}

void expectPieces(std::string_view johab, int initial, int medial, int final) {
    SyllablePieces p = piecesOf(johab);
    EXPECT_EQ(p.initial, initial);
    EXPECT_EQ(p.medial, medial);
    EXPECT_EQ(p.final, final);
}

TEST(Jamo, PiecesFollowTheVowelShapeAndTheFinal) {
    expectPieces("가"_j, 0, 114, -1);
    expectPieces("각"_j, 3, 115, 168);
    expectPieces("고"_j, 1, 114 + 10 * 2, -1);   // horizontal vowel: form 1
    expectPieces("과"_j, 2, 114 + 11 * 2, -1);   // compound vowel: form 2
    expectPieces("곡"_j, 4, 114 + 10 * 2 + 1, 169);
    expectPieces("괙"_j, 5, 114 + 12 * 2 + 1, 168);  // compound + final: form 5, plain final
    expectPieces("히"_j, 18 * 6, 114 + 26 * 2, -1);  // ㅣ (29) counts as vertical
    expectPieces("ㅏ"_j, -1, 114, -1);               // a lone vowel draws only itself
    expectPieces("ㄳ"_j, -1, -1, 168 + 2 * 2);        // a lone final consonant
}

TEST(Jamo, AHighByteAtTheEndIsASingleCharacter) {
    std::string s = "A\x88";
    std::size_t i = 1;
    TextChar c = DecodeJohab(s, i);
    EXPECT_FALSE(c.syllable);
    EXPECT_EQ(c.byte, 0x88);
    EXPECT_EQ(i, 2u);
}

struct Drawn {
    int x, y, colour;
    std::string text;
};

TEST(TextOutput, WrapsAtTheRightEdgeSixteenRowsLower) {
    test::Session s;
    SetTextCursor(560, 100);
    WriteText(TextColour::Narration, "가나다라"_j, false);  // 560, 576, 592 fit; 600 + 8 >= 608 wraps
    EXPECT_EQ(TextCursor.x, 251 + 16);
    EXPECT_EQ(TextCursor.y, 116);
    SetTextCursor(590, 140);
    WriteText(TextColour::Narration, "ab"_j, false);  // 590 + 8 < 608, 598 + 8 < 608: no wrap
    EXPECT_EQ(TextCursor.x, 606);
    EXPECT_EQ(TextCursor.y, 140);
}

TEST(TextOutput, ScrollsBelowTheAreaAfterAKeyAndGoesOnAtTheLastLine) {
    test::Session s;
    SetFillStyle(1, 8);
    Bar(0, 0, 639, 479);
    SetTextCursor(260, 240);
    WriteText(TextColour::Narration, "가"_j, true);  // still inside
    EXPECT_EQ(s.platform.ScriptDone(), true);
    s.platform.AppendKeys("k");
    WriteLine(260, 250, TextColour::Narration, "나"_j);  // y 266 >= 257: scroll after a key, y 256
    EXPECT_TRUE(s.platform.ScriptDone());
    EXPECT_EQ(TextCursor.y, 256);
    EXPECT_EQ(TextCursor.x, 251);
    // The syllable written at y 250 moved up 16 rows.
    bool found = false;
    for (int y = 234; y < 250 && !found; ++y)
        for (int x = 260; x < 276; ++x)
            if (Screen[y * 640 + x] == PixelOf(15)) found = true;
    EXPECT_TRUE(found);
    // With the wait off, no key is needed.
    SetWaitOnScroll(0);
    SetTextCursor(260, 257);
    WriteText(TextColour::Narration, "다"_j, true);
    EXPECT_EQ(TextCursor.y, 256);
}

TEST(TextOutput, AnEmptyTextDrawsNothingButStillDiscardsKeysAndMayScroll) {
    test::Session s;
    SetWaitOnScroll(0);
    PushKey('z');
    SetTextCursor(300, 270);
    auto before = Screen;
    WriteText(TextColour::Narration, "", false);
    EXPECT_EQ(QueuedKeyCount(), 0);
    EXPECT_EQ(TextCursor.y, 270);
    EXPECT_TRUE(Screen == before);
    WriteText(TextColour::Narration, "", true);
    EXPECT_EQ(TextCursor.y, 256);
}

TEST(TextOutput, DoubleSizeStartsFourteenPixelsLeftAndTheCursorStays) {
    test::Session s;
    SetFillStyle(1, 0);
    Bar(0, 0, 639, 479);
    SetTextCursor(111, 222);
    WriteDouble(100, 100, TextColour::Narration, "I"_j);
    int minX = 640, maxX = -1;
    for (int y = 100; y < 132; ++y)
        for (int x = 80; x < 130; ++x)
            if (Screen[y * 640 + x] == PixelOf(15)) {
                minX = std::min(minX, x);
                maxX = std::max(maxX, x);
            }
    EXPECT_GE(minX, 86);
    EXPECT_LE(maxX, 86 + 15);
    EXPECT_EQ(TextCursor.x, 111);
    EXPECT_EQ(TextCursor.y, 222);
}

// Glyphs inside the surface are written row by row, glyphs across its edge
// pixel by pixel: both draw the same picture.
TEST(TextOutput, AGlyphAcrossTheEdgeShowsWhatFitsOfTheSameGlyphInside) {
    test::Session s;
    for (bool doubleSize : {false, true}) {
        SetFillStyle(1, 0);
        Bar(0, 0, 639, 479);
        int side = doubleSize ? 32 : 16, left = doubleSize ? 14 : 0;
        WriteAt(100 + left, 100, TextColour::Narration, "핥"_j, doubleSize);
        WriteAt(630 + left, 470, TextColour::Narration, "핥"_j, doubleSize);  // cut right and below
        int lit = 0;
        for (int y = 0; y < side; ++y)
            for (int x = 0; x < side; ++x) {
                uint16_t inside = Screen[(100 + y) * 640 + 100 + x];
                lit += inside != PixelOf(0);
                if (630 + x <= kMaxX && 470 + y <= kMaxY) {
                    EXPECT_EQ(Screen[(470 + y) * 640 + 630 + x], inside) << doubleSize << " " << x << "," << y;
                }
            }
        EXPECT_GT(lit, 20);
    }
}

TEST(TextOutput, ShadowedTextDrawsTheDarkerColourDownRightFirst) {
    test::Session s;
    SetFillStyle(1, 0);
    Bar(0, 0, 639, 479);
    SetColor(3);
    WriteShadowed(100, 100, TextColour::Title, "l"_j);
    bool shadow = false, face = false;
    for (int i = 0; i < 640 * 480; ++i) {
        shadow |= Screen[i] == PixelOf(4);
        face |= Screen[i] == PixelOf(12);
    }
    EXPECT_TRUE(shadow);
    EXPECT_TRUE(face);
    EXPECT_EQ(GetColor(), 3) << "text leaves the colour of lines alone";
}

TEST(TextOutput, TheTranscriptRecordsEachTextOnce) {
    test::Session s;
    std::vector<Drawn> seen;
    SetTextObserver([&](int x, int y, int colour, std::string_view t) {
        seen.push_back({x, y, colour, JohabToUtf8(t)});
    });
    WriteBold(10, 20, TextColour::Label, "굵게"_j);
    WriteShadowed(10, 40, TextColour::Title, "그림자"_j);
    WriteLineNoScroll(260, 48, TextColour::Scene, "한 줄"_j);
    ASSERT_EQ(seen.size(), 3u);
    EXPECT_EQ(seen[0].text, "굵게");
    EXPECT_EQ(seen[0].colour, 11);
    EXPECT_EQ(seen[1].text, "그림자");
    EXPECT_EQ(seen[1].colour, 12) << "the face, not the shadow";
    EXPECT_EQ(seen[2].x, 260);
    EXPECT_EQ(seen[2].colour, 7);
    EXPECT_EQ(seen[2].text, "한 줄");
}

// A lone jamo, whichever part of the code holds it, is the whole letter of
// the jamo font; codes Johab leaves unused, and real syllables, have none.
TEST(Jamo, ALoneJamoHasItsWholeLetterAndAnUnusedCodeNone) {
    auto glyphOf = [](std::string_view johab) {
        std::size_t i = 0;
        TextChar c = DecodeJohab(johab, i);
        return JamoGlyph(c.initial, c.medial, c.final);
    };
    auto letter = [](int g) { return &JamoFont[std::size_t(g) * 32]; };
    EXPECT_EQ(glyphOf("ㄱ"_j), letter(0));
    EXPECT_EQ(JamoGlyph(1, 2, 2), letter(0)) << "final ㄱ is the same letter";
    EXPECT_EQ(glyphOf("ㄳ"_j), letter(2));
    EXPECT_EQ(JamoGlyph(1, 2, 19), letter(17)) << "final ㅂ, past the unused code 18";
    EXPECT_EQ(JamoGlyph(1, 2, 29), letter(29));
    EXPECT_EQ(glyphOf("ㅃ"_j), letter(18));
    EXPECT_EQ(glyphOf("ㅏ"_j), letter(30));
    EXPECT_EQ(glyphOf("ㅚ"_j), letter(41));
    EXPECT_EQ(glyphOf("ㅣ"_j), letter(50));
    for (int medial : {8, 9, 16, 17, 24, 25}) EXPECT_EQ(JamoGlyph(1, uint8_t(medial), 1), nullptr) << medial;
    EXPECT_EQ(JamoGlyph(1, 2, 18), nullptr);
    EXPECT_EQ(glyphOf("가"_j), nullptr);
    EXPECT_EQ(JamoGlyph(1, 2, 1), nullptr);
}

TEST(TextOutput, AJamoIsDrawnWholeAndASyllableAsItIsComposed) {
    test::Session s;
    LoadJamoFont();
    auto drawn = [](auto write) {
        SetFillStyle(1, 0);
        Bar(0, 0, 639, 479);
        write();
        std::array<uint16_t, 16> rows{};
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x)
                if (Screen[(100 + y) * 640 + 100 + x] == PixelOf(15)) rows[std::size_t(y)] |= uint16_t(0x8000 >> x);
        return rows;
    };
    auto ink = drawn([] { WriteJamo(100, 100, TextColour::Narration, "ㅎ"_j); });
    for (int y = 0; y < 16; ++y)
        EXPECT_EQ(ink[std::size_t(y)], JamoFont[29 * 32 + y * 2] << 8 | JamoFont[29 * 32 + y * 2 + 1]) << y;
    EXPECT_EQ(drawn([] { WriteJamo(100, 100, TextColour::Narration, "한"_j); }),
              drawn([] { WriteAt(100, 100, TextColour::Narration, "한"_j, false); }));
}

// A font file that is missing or cut short is reported by name like every
// other data file, and the font in memory is never half overwritten.
TEST(Fonts, AMissingOrShortFontIsReportedAndTheLoadedFontStays) {
    test::Session s;
    const auto before = HangulFont;
    std::filesystem::remove("tarn1.fnt");
    EXPECT_THROW(LoadHangulFont(1), ProgramHalt);
    EXPECT_EQ(s.platform.messages.back(), "ERROR: \"tarn1.fnt\" not found.");
    s.WriteFile("tarn1.fnt", std::string(100, '\x55'));
    EXPECT_THROW(LoadHangulFont(1), ProgramHalt);
    EXPECT_EQ(s.platform.messages.back(), "ERROR: \"tarn1.fnt\" is damaged: it holds 100 bytes, not 7168.");
    EXPECT_EQ(HangulFont, before);
    EXPECT_EQ(LoadedHangulSet(), 2);
}

}  // namespace
}  // namespace vela
