// The tune notation: what the builder reads from a source, what it refuses,
// and that a rendered tune becomes an Ogg stream of the right length.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "../../tools/mkdata/music.h"

namespace {

using namespace mkdata;

const std::vector<std::string> kSmallTune = {
    "file _Music9.Bgm", "tempo 120",
    "instrument lead fm ratio=2 index=1 volume=0.5  # a note",
    "instrument bass triangle",
    "pattern A", "lead o4 l8 c d+ e- f#4. | r8 > c2 ^4 <", "bass o2 c1", "end",
    "song A A",
};

TEST(MusicBuild, NotesTakeTheirPitchLengthOctaveAndTies) {
    std::vector<std::string> errors;
    Tune tune = ParseTune(kSmallTune, errors);
    ASSERT_TRUE(errors.empty()) << errors[0];
    EXPECT_EQ(tune.file, "_Music9.Bgm");
    EXPECT_DOUBLE_EQ(tune.instruments["lead"].ratio, 2);
    const Pattern& a = tune.patterns["A"];
    ASSERT_EQ(a.notes.size(), 6u);
    std::vector<double> midi, start, length;
    for (const Note& n : a.notes) midi.push_back(n.midi), start.push_back(n.start), length.push_back(n.length);
    EXPECT_EQ(midi, (std::vector<double>{60, 63, 63, 66, 72, 36}));
    EXPECT_EQ(start, (std::vector<double>{0, 0.5, 1, 1.5, 3.5, 0}));
    EXPECT_EQ(length, (std::vector<double>{0.5, 0.5, 0.5, 1.5, 3, 4}));
    EXPECT_DOUBLE_EQ(a.beats, 6.5);
}

TEST(MusicBuild, MistakesAreReportedWithTheirLine) {
    auto errorsOf = [](std::vector<std::string> lines) {
        std::vector<std::string> errors;
        ParseTune(lines, errors);
        return errors.empty() ? std::string() : errors.front();
    };
    auto withLine = [](int n, const std::string& line) {
        std::vector<std::string> lines = kSmallTune;
        lines[n] = line;
        return lines;
    };
    EXPECT_EQ(errorsOf(withLine(5, "lead o4 c x")), "line 6: unknown note token 'x'");
    EXPECT_EQ(errorsOf(withLine(6, "drum c4")), "line 7: unknown instrument 'drum'");
    EXPECT_EQ(errorsOf(withLine(3, "instrument bass organ")), "line 4: unknown wave 'organ'");
    EXPECT_EQ(errorsOf(withLine(2, "instrument lead fm ratio=two")), "line 3: bad setting 'ratio=two'");
    EXPECT_EQ(errorsOf(withLine(8, "song A B")), "line 9: unknown pattern 'B' in the song");
    EXPECT_EQ(errorsOf({"file x", "instrument a sine", "pattern A", "a c4"}), "a pattern is not closed with 'end'");
    EXPECT_EQ(errorsOf(withLine(0, "# no file")), "no 'file' line names the output");
    EXPECT_EQ(errorsOf(withLine(5, "lead ^4")), "line 6: a tie '^' with no note before it");
}

TEST(MusicBuild, ARenderedTuneLastsItsBeatsAndEncodesToOgg) {
    std::vector<std::string> errors;
    Tune tune = ParseTune(kSmallTune, errors);
    std::vector<float> samples = RenderTune(tune);
    // Two patterns of 6.5 beats at 120 per minute, and 3 seconds for the
    // last notes to ring out.
    EXPECT_EQ(samples.size(), std::size_t((13 * 0.5 + 3) * kMusicRate));
    float peak = 0;
    for (float s : samples) peak = std::max(peak, std::abs(s));
    EXPECT_NEAR(peak, 0.89f, 0.01f);
    std::vector<uint8_t> ogg = EncodeOgg(samples);
    ASSERT_GT(ogg.size(), 1000u);
    EXPECT_EQ(std::string(ogg.begin(), ogg.begin() + 4), "OggS");
    std::vector<uint8_t> wav = EncodeWav(samples);
    EXPECT_EQ(wav.size(), 44 + 2 * samples.size());
}

}  // namespace
