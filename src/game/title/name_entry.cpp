// The name step: an on-screen keyboard of Hangul jamo rows and of ASCII
// characters, chosen cell by cell with the arrow keys.
#include <algorithm>

#include "game/state/party.h"
#include "game/title/creation.h"
#include "game/title/grid_select.h"
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

// A lone jamo as a Johab pair: the other two parts are fill codes.
std::string jamoGlyph(int initial, int medial, int final) {
    return {char(0x80 | initial << 2 | medial >> 3), char((medial << 5 & 0xFF) | final)};
}

void drawKeyboard() {
    auto put = [](int x, int y, std::string_view text) { WriteAt(x, y, TextColour::Instruction, text, false); };
    put(10, 15, "당신의 이름을 기록 하십시오."_j);
    put(10, 75, "초성"_j);
    put(10, 135, "중성"_j);
    put(10, 195, "종성"_j);
    put(10, 255, "영문 & 기호"_j);
    // Glyphs sit 2 pixels inside their cells so the outline never touches them.
    for (int c = 1; c <= kInitials; ++c) put(kJamoX + 2 + (c - 1) * kCell, kInitialY + 2, jamoGlyph(c + 1, 2, 1));
    for (int c = 1; c <= kMedials; ++c) put(kJamoX + 2 + (c - 1) * kCell, kMedialY + 2, jamoGlyph(1, c + 2, 1));
    put(kJamoX + 6, kFinalY + 2, "X");
    for (int c = 2; c <= kFinals; ++c) put(kJamoX + 2 + (c - 1) * kCell, kFinalY + 2, jamoGlyph(1, 2, c));
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

void enterHangul(std::string& name, Columns& at) {
    while (int(name.size()) <= kNameBytes - 2) {
        int row = 1;
        if (!GridSelect(kJamoX, kInitialY, kCell, kCell, 1, kInitials, row, at.initial, true)) return;
        if (!GridSelect(kJamoX, kMedialY, kCell, kCell, 1, kMedials, row, at.medial, true)) return;
        // Without a final consonant the final row starts one cell further on
        // next time.
        int final = 1;
        if (GridSelect(kJamoX, kFinalY, kCell, kCell, 1, kFinals, row, at.final, true) && at.final > 1)
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
    return jamoGlyph(initialColumn + 1, medialColumn + 2, finalColumn);
}

void DeleteLastCharacter(std::string& name) {
    std::size_t last = 0;
    for (std::size_t i = 0; i < name.size(); i += (uint8_t(name[i]) >= 128 ? 2 : 1)) last = i;
    name.erase(std::min(last, name.size()));
}

void EnterName() {
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
