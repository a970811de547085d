#include "app/samples.h"

#include <array>

#include "screen/fonts.h"
#include "screen/gfx.h"
#include "screen/johab.h"
#include "screen/text_output.h"

namespace vela {

namespace {

// Every font set in the four ways the game writes text, with syllables
// with and without finals, compound vowels and ASCII.
void drawTextSample() {
    SetFillStyle(1, 8);
    Bar(0, 0, 639, 479);
    const std::string_view lines[] = {
        "가나다라 각난닫랄 고노도로 곡논돋롤"_j,
        "과궈귀긔 괙궉귁긝 꽃밭 닭 값 읽다 삶"_j,
        "벨라 Vela 0.1.1 - 아무키나 누르십시오 ..."_j,
    };
    for (int set = 0; set < 3; ++set) {
        LoadHangulFont(set);
        int y = 8 + set * 156;
        WriteAt(8, y, TextColour::Prompt, Utf8ToJohab("글꼴 " + std::to_string(set)), false);
        WriteAt(8, y + 20, TextColour::Narration, lines[0], false);
        WriteAt(8, y + 38, TextColour::Narration, lines[1], false);
        WriteBold(8, y + 56, TextColour::Label, lines[2]);
        WriteShadowed(8, y + 74, TextColour::GameName, lines[1]);
        WriteDouble(22, y + 94, TextColour::Question, "흉성의 단서 Clue"_j);
    }
    LoadHangulFont(2);
    Present();
}

// The four image modes and a dimmed tile, built from a small test pattern.
void drawImageSample() {
    SetFillStyle(1, 7);
    Bar(0, 0, 639, 479);
    std::array<uint8_t, 4 + 24 * 12> image{};
    image[0] = 23;
    image[2] = 23;
    for (int y = 0; y < 24; ++y)
        for (int x = 0; x < 24; ++x) {
            int colour = (x / 6 + (y / 6) * 4) % 16;
            for (int plane = 0; plane < 4; ++plane)
                if (colour & (8 >> plane)) image[4 + y * 12 + plane * 3 + x / 8] |= uint8_t(0x80 >> (x % 8));
        }
    for (int mode = 0; mode < 3; ++mode) PutImage(40 + mode * 60, 40, image.data(), mode);
    PutTile(220, 40, image.data(), false);
    PutTile(280, 40, image.data(), true);
    Present();
}

}  // namespace

bool DrawSample(const std::string& name) {
    InitGraph();
    ResetPalette();
    if (name == "text") {
        drawTextSample();
        return true;
    }
    if (name == "image") {
        drawImageSample();
        return true;
    }
    return false;
}

}  // namespace vela
