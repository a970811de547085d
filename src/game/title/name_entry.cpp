// The name step: an on-screen keyboard of Hangul jamo rows and of ASCII
// characters, chosen cell by cell with the arrow keys. The jamo are drawn
// whole; the vowel and final rows keep a blank cell for each code Johab
// leaves unused, which the cursor passes over.
#include <algorithm>

#include "game/state/party.h"
#include "game/title/creation.h"
#include "game/title/grid_select.h"
#include "screen/fonts.h"
#include "screen/gfx.h"
#include "screen/johab.h"
#include "screen/text_output.h"
#include "runtime/key_queue.h"

namespace vela {

namespace {

constexpr int kJamoX = 26, kCell = 20;
constexpr int kInitialY = 95, kMedialY = 155, kFinalY = 215;
constexpr int kInitials = 19, kMedials = 27, kFinals = 29;
constexpr int kAsciiX = 25, kAsciiY = 273, kAsciiColumns = 26;
constexpr int kModeX = 202, kModeY = 367, kModeWidth = 48, kModeHeight = 32;

// A Johab pair of jamo codes; a part left out is its fill code.
std::string jamoPair(int initial, int medial, int final) {
    return {char(0x80 | initial << 2 | medial >> 3), char((medial << 5 & 0xFF) | final)};
}

// The three rows as jamo codes: initial column + 1, medial column + 2, final
// column (1, the "X", for none).
std::string initialJamo(int column) { return jamoPair(column + 1, 2, 1); }
std::string medialJamo(int column) { return jamoPair(1, column + 2, 1); }
std::string finalJamo(int column) { return jamoPair(1, 2, column); }

// A vowel or final cell of a code Johab does not use shows nothing.
bool medialShown(int, int column) { return JamoGlyph(1, uint8_t(column + 2), 1) != nullptr; }
bool finalShown(int, int column) { return column == 1 || JamoGlyph(1, 2, uint8_t(column)) != nullptr; }

void drawKeyboard() {
    auto put = [](int x, int y, std::string_view text) { WriteAt(x, y, TextColour::Instruction, text, false); };
    put(10, 15, "당신의 이름을 기록 하십시오."_j);
    put(10, 75, "초성"_j);
    put(10, 135, "중성"_j);
    put(10, 195, "종성"_j);
    put(10, 255, "영문 & 기호"_j);
    // Glyphs sit 2 pixels inside their cells so the outline never touches them.
    auto row = [](int y, int first, int last, std::string (*jamo)(int)) {
        for (int c = first; c <= last; ++c)
            WriteJamo(kJamoX + 2 + (c - 1) * kCell, y + 2, TextColour::Instruction, jamo(c));
    };
    row(kInitialY, 1, kInitials, initialJamo);
    row(kMedialY, 1, kMedials, medialJamo);
    put(kJamoX + 6, kFinalY + 2, "X");
    row(kFinalY, 2, kFinals, finalJamo);
    for (int r = 0; r < 3; ++r) {
        static constexpr int kFirst[3] = {32, 65, 97};
        for (int c = 0; c < kAsciiColumns; ++c)
            put(kAsciiX + 7 + c * kCell, kAsciiY + 2 + r * kCell, std::string(1, char(kFirst[r] + c)));
    }
    put(210, 375, "한글  영문  지움  완료"_j);
    WriteAt(10, 430, TextColour::Label, "당신의 이름 :"_j, false);
}

// Also wipes the line beside the name that refused an empty one.
void drawName(const std::string& name) {
    SetFillStyle(1, 1);
    Bar(120, 430, kMaxX, 446);
    WriteAt(120, 430, TextColour::Entry, name, false);
}

// Which cell each grid starts on: the last one chosen.
struct Columns {
    int initial = 1, medial = 1, final = 1;
    int asciiRow = 1, asciiColumn = 1;
};

// The syllable being built, after the name: the initial alone, drawn whole,
// then the syllable with the vowel and the final under the cursor.
void drawGrowing(const std::string& name, const std::string& growing) {
    drawName(name);
    WriteJamo(120 + 8 * int(name.size()), 430, TextColour::Highlight, growing);
}

void enterHangul(std::string& name, Columns& at) {
    while (int(name.size()) <= kNameBytes - 2) {
        int row = 1;
        auto pick = [&](int y, int columns, int& column, const GridSelectable& shown, auto growing) {
            return GridSelect(kJamoX, y, kCell, kCell, 1, columns, row, column, true, false,
                              [&](int, int c) { drawGrowing(name, growing(c)); }, shown);
        };
        auto withVowel = [&](int c) { return JohabSyllable(at.initial, c, 1); };
        auto withFinal = [&](int c) { return JohabSyllable(at.initial, at.medial, c); };
        if (!pick(kInitialY, kInitials, at.initial, nullptr, initialJamo) ||
            !pick(kMedialY, kMedials, at.medial, medialShown, withVowel)) {
            drawName(name);
            return;
        }
        // Without a final consonant the final row starts one cell further on
        // next time.
        int final = 1;
        if (pick(kFinalY, kFinals, at.final, finalShown, withFinal) && at.final > 1)
            final = at.final;
        else
            at.final = std::min(at.final + 1, kFinals);
        name += JohabSyllable(at.initial, at.medial, final);
        drawName(name);
    }
}

void enterAscii(std::string& name, Columns& at) {
    while (int(name.size()) <= kNameBytes - 1) {
        if (!GridSelect(kAsciiX, kAsciiY, kCell, kCell, 3, kAsciiColumns, at.asciiRow, at.asciiColumn, true)) return;
        static constexpr int kOffset[3] = {31, 64, 96};
        name += char(at.asciiColumn + kOffset[at.asciiRow - 1]);
        drawName(name);
    }
}

}  // namespace

std::string JohabSyllable(int initialColumn, int medialColumn, int finalColumn) {
    return jamoPair(initialColumn + 1, medialColumn + 2, finalColumn);
}

void DeleteLastCharacter(std::string& name) {
    std::size_t last = 0;
    for (std::size_t i = 0; i < name.size(); i += (uint8_t(name[i]) >= 128 ? 2 : 1)) last = i;
    name.erase(std::min(last, name.size()));
}

void EnterName() {
    LoadJamoFont();
    ClearDevice();
    ResetPalette();
    CreationBackground();
    drawKeyboard();
    std::string name;
    Columns at;
    int mode = 1;
    for (;;) {
        OutlineCell(kModeX, kModeY, kModeWidth, kModeHeight, 1, mode, 12);
        uint8_t key = ReadKey();
        OutlineCell(kModeX, kModeY, kModeWidth, kModeHeight, 1, mode, 1);
        if (key == 0) {
            uint8_t code = ReadKey();
            if (code == kKeyRight) mode = mode % 4 + 1;
            if (code == kKeyLeft) mode = (mode + 2) % 4 + 1;
            continue;
        }
        if (key != kKeyEnter) continue;
        if (mode == 1) enterHangul(name, at);
        if (mode == 2) enterAscii(name, at);
        if (mode == 3 && !name.empty()) {
            DeleteLastCharacter(name);
            drawName(name);
        }
        if (mode == 4) {
            if (!name.empty()) break;
            WriteAt(320, 430, TextColour::Instruction, "이름이 비어 있어 완료할 수 없습니다."_j, false);
        }
    }
    Member[kHeroSlot].Name.set(name);
}

}  // namespace vela
