// Fonts: data/fonts/ascii.txt, tarn0..2.txt and jamo.txt -> ascii.fnt,
// tarn0..2.fnt and jamo.fnt, and the font-sheet command that draws a built
// Hangul set for checking by eye.
//
// Source format: one glyph per block, a header line "glyph N label" and then
// 16 rows of '#' (ink) and '.', 8 wide for ASCII and 16 wide for Hangul
// pieces. Lines starting with '#' before the first block and blank lines are
// ignored. The label must be the one the glyph number stands for, so a block
// pasted into the wrong place is caught.
#include <array>
#include <cstdint>
#include <iostream>

#include "builders.h"
#include "common.h"
#include "glyph_rules.h"
#include "screen/fonts.h"
#include "screen/johab.h"
#include "screen/syllable_pieces.h"

namespace mkdata {
namespace {

constexpr int kAsciiGlyphs = 96;
constexpr int kRows = 16;
// Faults of each kind in one set reported by name before the rest are only counted.
constexpr int kFaultsNamed = 4;

std::string AsciiLabel(int g) {
    if (g == 0) return "control";
    return std::string("'") + char(31 + g) + "'";
}

// Reads one source into `count` glyphs of `width` x 16 (rows of '#'/'.').
// Returns false and records errors when anything is off.
bool ReadGlyphs(const fs::path& path, int count, int width, std::string (*label)(int),
                std::vector<std::vector<std::string>>& glyphs, Errors& errors) {
    std::vector<std::string> lines = ReadLines(path);
    std::string name = path.filename().string();
    size_t before = errors.list.size();
    if (lines.empty()) {
        errors.add(name, "missing or empty");
        return false;
    }
    glyphs.assign(count, {});
    std::vector<int> lineOf(count, 0);
    bool seenGlyph = false;
    for (size_t i = 0; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        std::string where = name + ":" + std::to_string(i + 1);
        if (line.empty()) continue;
        if (line.rfind("glyph ", 0) != 0) {
            if (!seenGlyph && line[0] == '#' && line.find_first_not_of("#.") != std::string::npos)
                continue;  // a comment in the file header
            errors.add(where, "expected a 'glyph N label' line");
            continue;
        }
        seenGlyph = true;
        size_t digits = line.find_first_not_of("0123456789", 6);
        std::string number = line.substr(6, digits == std::string::npos ? std::string::npos : digits - 6);
        std::string rest = digits == std::string::npos ? "" : line.substr(digits);
        if (!rest.empty() && rest[0] == ' ') rest.erase(0, 1);
        int g = number.empty() || number.size() > 4 ? -1 : std::stoi(number);
        if (g < 0 || g >= count) {
            errors.add(where, "glyph number out of range 0.." + std::to_string(count - 1));
            continue;
        }
        bool again = lineOf[g] != 0;  // its rows are still read, to report only this
        if (again)
            errors.add(where, "glyph " + std::to_string(g) + " already given at line " + std::to_string(lineOf[g]));
        else if (rest != label(g))
            errors.add(where, "glyph " + std::to_string(g) + " should be labelled '" + label(g) + "'");
        if (!again) lineOf[g] = int(i + 1);
        std::vector<std::string> rows;
        for (int r = 0; r < kRows; ++r) {
            size_t k = i + 1 + r;
            std::string rowWhere = name + ":" + std::to_string(k + 1);
            if (k >= lines.size() || lines[k].rfind("glyph ", 0) == 0 || lines[k].empty()) {
                errors.add(rowWhere, "glyph " + std::to_string(g) + " has fewer than 16 rows");
                break;
            }
            const std::string& row = lines[k];
            if (int(row.size()) != width)
                errors.add(rowWhere, "row is " + std::to_string(row.size()) + " wide, not " + std::to_string(width));
            else if (row.find_first_not_of("#.") != std::string::npos)
                errors.add(rowWhere, "only '#' and '.' may be used");
            rows.push_back(row);
        }
        i += rows.size();
        if (!again) glyphs[g] = rows;
    }
    for (int g = 0; g < count; ++g)
        if (!lineOf[g]) errors.add(name, "glyph " + std::to_string(g) + " (" + label(g) + ") is missing");
    return errors.list.size() == before;
}

std::vector<uint8_t> PackGlyphs(const std::vector<std::vector<std::string>>& glyphs, int width) {
    std::vector<uint8_t> bytes;
    for (const auto& rows : glyphs)
        for (const auto& row : rows)
            for (int b = 0; b < width / 8; ++b) {
                uint8_t v = 0;
                for (int x = 0; x < 8; ++x)
                    if (row[b * 8 + x] == '#') v |= uint8_t(0x80 >> x);
                bytes.push_back(v);
            }
    return bytes;
}

// The letter of a whole jamo: compatibility jamo U+3131 + g, in UTF-8.
std::string JamoLabel(int g) {
    char32_t c = 0x3131 + char32_t(g);
    return {char(0xE0 | c >> 12), char(0x80 | (c >> 6 & 0x3F)), char(0x80 | (c & 0x3F))};
}

bool Ink(const uint8_t* glyph, int bytesPerRow, int x, int y) {
    return glyph[y * bytesPerRow + x / 8] & (0x80 >> (x % 8));
}

void DrawGlyph(vela::RgbImage& img, int x0, int y0, const uint8_t* glyph, int width, int scale) {
    for (int y = 0; y < kRows; ++y)
        for (int x = 0; x < width; ++x) {
            if (!Ink(glyph, width / 8, x, y)) continue;
            for (int dy = 0; dy < scale; ++dy)
                for (int dx = 0; dx < scale; ++dx) {
                    int px = x0 + x * scale + dx, py = y0 + y * scale + dy;
                    if (px < 0 || py < 0 || px >= img.width || py >= img.height) continue;
                    uint8_t* d = &img.rgb[(size_t(py) * img.width + px) * 3];
                    d[0] = d[1] = d[2] = 0;
                }
        }
}

void FillRect(vela::RgbImage& img, int x0, int y0, int w, int h, uint8_t grey) {
    for (int y = y0; y < y0 + h && y < img.height; ++y)
        for (int x = x0; x < x0 + w && x < img.width; ++x) {
            uint8_t* d = &img.rgb[(size_t(y) * img.width + x) * 3];
            d[0] = d[1] = d[2] = grey;
        }
}

// Every syllable keeps the pieces apart by a blank pixel and has no pixel
// standing alone; the first faults are named, the rest counted.
void CheckGlyphRules(const std::vector<uint8_t>& font, const std::string& source, Errors& errors) {
    std::vector<GlyphFault> faults;
    GlyphCounts counts = CheckSyllables(font, &faults);
    int named[3] = {};
    for (const GlyphFault& f : faults)
        if (named[f.kind]++ < kFaultsNamed) errors.add(source, Describe(f));
    if (named[0] > kFaultsNamed || named[1] > kFaultsNamed || named[2] > kFaultsNamed)
        errors.add(source, std::to_string(counts.overlapping) + " syllables with overlapping pieces, " +
                               std::to_string(counts.touching) + " with pieces touching side by side, " +
                               std::to_string(counts.lone) + " with a pixel without a neighbour");
}

}  // namespace

int BuildFonts(const fs::path& data, const fs::path& out) {
    Errors errors;
    const fs::path dir = data / "fonts";
    std::vector<std::vector<std::string>> glyphs;
    if (ReadGlyphs(dir / "ascii.txt", kAsciiGlyphs, 8, AsciiLabel, glyphs, errors))
        if (!WriteBinary(out / "ascii.fnt", PackGlyphs(glyphs, 8))) errors.add("ascii.fnt", "cannot write");
    for (int set = 0; set < 3; ++set) {
        std::string name = "tarn" + std::to_string(set);
        if (!ReadGlyphs(dir / (name + ".txt"), kHangulGlyphs, 16, HangulLabel, glyphs, errors)) continue;
        // Slots of vowel and final codes that Johab never uses stay blank.
        for (int g = 114; g < kHangulGlyphs; ++g) {
            if (HangulLabel(g).find("unused") == std::string::npos) continue;
            for (const auto& row : glyphs[g])
                if (row.find('#') != std::string::npos) {
                    errors.add(name + ".txt", "glyph " + std::to_string(g) + " is an unused slot and must be blank");
                    break;
                }
        }
        std::vector<uint8_t> font = PackGlyphs(glyphs, 16);
        CheckGlyphRules(font, name + ".txt", errors);
        if (!WriteBinary(out / (name + ".fnt"), font)) errors.add(name + ".fnt", "cannot write");
    }
    if (ReadGlyphs(dir / "jamo.txt", vela::kJamoGlyphs, 16, JamoLabel, glyphs, errors))
        if (!WriteBinary(out / vela::kJamoFontFile, PackGlyphs(glyphs, 16)))
            errors.add(vela::kJamoFontFile, "cannot write");
    return errors.report();
}

// font-sheet SET out.png [BUILT_DATA_DIR] [SYLLABLES]: the syllables given
// (UTF-8 text, 21 to a row) first; then for the initials ㄱ ㅇ ㅈ ㅎ, a block of
// every vowel (columns) with no final and with ㄱ ㄴ ㄹ ㅂ ㅆ (rows), at three
// times size; then the ASCII set below.
int FontSheetCommand(const std::vector<std::string>& args) {
    if (args.size() < 2 || args.size() > 4 || args[0].size() != 1 || args[0][0] < '0' || args[0][0] > '2') {
        std::cerr << "usage: vela-mkdata font-sheet SET(0..2) out.png [BUILT_DATA_DIR] [SYLLABLES]\n";
        return 2;
    }
    fs::path dir = args.size() >= 3 ? fs::path(args[2]) : fs::path("build/data");
    std::vector<uint8_t> hangul = ReadBinary(dir / ("tarn" + args[0] + ".fnt"));
    std::vector<uint8_t> ascii = ReadBinary(dir / "ascii.fnt");
    if (hangul.size() != size_t(kHangulGlyphs * 32) || ascii.size() != size_t(kAsciiGlyphs * 16)) {
        std::cerr << "vela-mkdata: font files missing or of the wrong size in " << dir << '\n';
        return 1;
    }
    std::vector<uint16_t> chosen;  // Johab codes of the syllables asked for
    if (args.size() == 4) {
        std::string_view text = args[3];
        for (size_t i = 0; i < text.size();) {
            uint16_t code = vela::JohabCodeOf(vela::johab_detail::nextScalar(text, i));
            if (code & 0x8000) chosen.push_back(code);
        }
    }
    const int scale = 3, cell = 16 * scale + 6, gap = 18, perRow = 21;
    const int initials[4] = {2, 13, 14, 20};  // ㄱ ㅇ ㅈ ㅎ
    const int finals[6] = {1, 2, 5, 9, 19, 22};  // none ㄱ ㄴ ㄹ ㅂ ㅆ
    const int medials[21] = {3, 4, 5, 6, 7, 10, 11, 12, 13, 14, 15, 18, 19, 20, 21, 22, 23, 26, 27, 28, 29};
    const int asciiPerRow = 32, asciiCell = 8 * scale + 4;
    vela::RgbImage img;
    img.width = gap * 2 + perRow * cell;
    int chosenRows = int(chosen.size() + perRow - 1) / perRow;
    int chosenHeight = chosenRows ? chosenRows * cell + gap : 0;
    int hangulHeight = chosenHeight + 4 * (6 * cell + gap);
    img.height = gap + hangulHeight + 3 * (16 * scale + 6) + gap;
    img.rgb.assign(size_t(img.width) * img.height * 3, 255);
    auto drawSyllable = [&](int x, int y, int initial, int medial, int final) {
        FillRect(img, x, y, 16 * scale + 2, 16 * scale + 2, 236);  // shows the 16 x 16 cell
        vela::SyllablePieces p = vela::PiecesOf(uint8_t(initial), uint8_t(medial), uint8_t(final));
        std::array<uint8_t, 32> glyph{};
        for (int piece : {p.initial, p.medial, p.final})
            if (piece >= 0)
                for (int k = 0; k < 32; ++k) glyph[k] |= hangul[size_t(piece) * 32 + k];
        DrawGlyph(img, x + 1, y + 1, glyph.data(), 16, scale);
    };
    for (size_t i = 0; i < chosen.size(); ++i)
        drawSyllable(gap + int(i % perRow) * cell, gap + int(i / perRow) * cell, (chosen[i] >> 10) & 31,
                     (chosen[i] >> 5) & 31, chosen[i] & 31);
    for (int b = 0; b < 4; ++b) {
        int by = gap + chosenHeight + b * (6 * cell + gap);
        for (int r = 0; r < 6; ++r)
            for (int c = 0; c < 21; ++c) drawSyllable(gap + c * cell, by + r * cell, initials[b], medials[c], finals[r]);
    }
    for (int g = 0; g < kAsciiGlyphs; ++g) {
        int x = gap + (g % asciiPerRow) * asciiCell, y = gap + hangulHeight + (g / asciiPerRow) * (16 * scale + 6);
        FillRect(img, x, y, 8 * scale + 2, 16 * scale + 2, 236);
        DrawGlyph(img, x + 1, y + 1, &ascii[size_t(g) * 16], 8, scale);
    }
    if (!vela::WritePng(args[1], img)) {
        std::cerr << "vela-mkdata: cannot write " << args[1] << '\n';
        return 1;
    }
    return 0;
}

}  // namespace mkdata
