// The font files: the first byte picks ascii.fnt or tarn0..2.fnt, the rest is
// the file; then text using every piece is drawn with it.
#include <string>

#include "folder.h"
#include "screen/fonts.h"
#include "screen/johab.h"
#include "screen/text_output.h"

using namespace vela;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::EnterFuzzFolder();
    if (size == 0) return 0;
    int set = data[0] % 4;  // 3: the ASCII font
    std::string name = set == 3 ? "ascii.fnt" : "tarn" + std::to_string(set) + ".fnt";
    fuzz::WriteInput(name, data + 1, size - 1);
    fuzz::RunLoader([set] {
        if (set == 3)
            LoadAsciiFont();
        else
            LoadHangulFont(set);
        WriteAt(0, 0, TextColour::Narration, "벨라 타른의 흉성 !~ Vela 0123 똠방각하 펲시콜라 뷁"_j, false);
    });
    fuzz::RestoreFile(name);
    return 0;
}
