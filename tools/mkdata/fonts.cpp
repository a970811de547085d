// Fonts: data/fonts/ascii.txt and tarn0..2.txt -> ascii.fnt and tarn0..2.fnt,
// and the font-sheet command that draws a built Hangul set for checking by eye.
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

namespace mkdata {
namespace {

constexpr int kAsciiGlyphs = 96;
constexpr int kHangulGlyphs = 224;
constexpr int kRows = 16;

// Jamo letters in Johab code order, UTF-8.
const char* const kInitials[19] = {"ㄱ", "ㄲ", "ㄴ", "ㄷ", "ㄸ", "ㄹ", "ㅁ", "ㅂ", "ㅃ", "ㅅ",
                                   "ㅆ", "ㅇ", "ㅈ", "ㅉ", "ㅊ", "ㅋ", "ㅌ", "ㅍ", "ㅎ"};
// Medial codes 3..29; empty where Johab has no vowel.
const char* const kMedials[27] = {"ㅏ", "ㅐ", "ㅑ", "ㅒ", "ㅓ", "",   "",   "ㅔ", "ㅕ", "ㅖ", "ㅗ", "ㅘ", "ㅙ", "",
                                  "",   "ㅚ", "ㅛ", "ㅜ", "ㅝ", "ㅞ", "ㅟ", "",   "",   "ㅠ", "ㅡ", "ㅢ", "ㅣ"};
// Final codes 2..29; empty for the unused code 18.
const char* const kFinals[28] = {"ㄱ", "ㄲ", "ㄳ", "ㄴ", "ㄵ", "ㄶ", "ㄷ", "ㄹ", "ㄺ", "ㄻ", "ㄼ", "ㄽ", "ㄾ", "ㄿ",
                                 "ㅀ", "ㅁ", "",   "ㅂ", "ㅄ", "ㅅ", "ㅆ", "ㅇ", "ㅈ", "ㅊ", "ㅋ", "ㅌ", "ㅍ", "ㅎ"};

bool IsHorizontal(int medial) {
    return medial == 13 || medial == 19 || medial == 20 || medial == 26 || medial == 27;
}

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
        if (!WriteBinary(out / (name + ".fnt"), PackGlyphs(glyphs, 16))) errors.add(name + ".fnt", "cannot write");
    }
    return errors.report();
}

// font-sheet SET out.png [BUILT_DATA_DIR]: for the initials ㄱ ㅇ ㅈ ㅎ, a block
// of every vowel (columns) with no final and with ㄱ ㄴ ㄹ ㅂ ㅆ (rows), at
// three times size, then the ASCII set below.
int FontSheetCommand(const std::vector<std::string>& args) {
    if (args.size() < 2 || args.size() > 3 || args[0].size() != 1 || args[0][0] < '0' || args[0][0] > '2') {
        std::cerr << "usage: vela-mkdata font-sheet SET(0..2) out.png [BUILT_DATA_DIR]\n";
        return 2;
    }
    fs::path dir = args.size() == 3 ? fs::path(args[2]) : fs::path("build/data");
    std::vector<uint8_t> hangul = ReadBinary(dir / ("tarn" + args[0] + ".fnt"));
    std::vector<uint8_t> ascii = ReadBinary(dir / "ascii.fnt");
    if (hangul.size() != size_t(kHangulGlyphs * 32) || ascii.size() != size_t(kAsciiGlyphs * 16)) {
        std::cerr << "vela-mkdata: font files missing or of the wrong size in " << dir << '\n';
        return 1;
    }
    const int scale = 3, cell = 16 * scale + 6, gap = 18;
    const int initials[4] = {2, 13, 14, 20};  // ㄱ ㅇ ㅈ ㅎ
    const int finals[6] = {1, 2, 5, 9, 19, 22};  // none ㄱ ㄴ ㄹ ㅂ ㅆ
    const int medials[21] = {3, 4, 5, 6, 7, 10, 11, 12, 13, 14, 15, 18, 19, 20, 21, 22, 23, 26, 27, 28, 29};
    const int asciiPerRow = 32, asciiCell = 8 * scale + 4;
    vela::RgbImage img;
    img.width = gap * 2 + 21 * cell;
    int hangulHeight = 4 * (6 * cell + gap);
    img.height = gap + hangulHeight + 3 * (16 * scale + 6) + gap;
    img.rgb.assign(size_t(img.width) * img.height * 3, 255);
    for (int b = 0; b < 4; ++b) {
        int by = gap + b * (6 * cell + gap);
        for (int r = 0; r < 6; ++r)
            for (int c = 0; c < 21; ++c) {
                int x = gap + c * cell, y = by + r * cell;
                FillRect(img, x, y, 16 * scale + 2, 16 * scale + 2, 236);  // shows the 16 x 16 cell
                int m = medials[c], f = finals[r];
                int form = (m < 13 || m == 29 ? 0 : IsHorizontal(m) ? 1 : 2) + (f > 1 ? 3 : 0);
                std::array<uint8_t, 32> glyph{};
                int pieces[3] = {(initials[b] - 2) * 6 + form, 114 + (m - 3) * 2 + (f > 1 ? 1 : 0),
                                 f > 1 ? 168 + (f - 2) * 2 + (IsHorizontal(m) ? 1 : 0) : -1};
                for (int p : pieces)
                    if (p >= 0)
                        for (int k = 0; k < 32; ++k) glyph[k] |= hangul[size_t(p) * 32 + k];
                DrawGlyph(img, x + 1, y + 1, glyph.data(), 16, scale);
            }
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
