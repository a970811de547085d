#include <gtest/gtest.h>
#include <iconv.h>

#include <string>

#include "screen/johab.h"

namespace {

using vela::JohabToUtf8;
using vela::Utf8ToJohab;

std::string utf8Of(char32_t c) {
    std::string s;
    s += char(0xE0 | (c >> 12));
    s += char(0x80 | ((c >> 6) & 0x3F));
    s += char(0x80 | (c & 0x3F));
    return s;
}

std::string iconvToJohab(const std::string& utf8) {
    iconv_t cd = iconv_open("JOHAB", "UTF-8");
    EXPECT_NE(cd, iconv_t(-1));
    std::string in = utf8;
    char out[16] = {};
    char* inp = in.data();
    char* outp = out;
    size_t inLeft = in.size(), outLeft = sizeof out;
    size_t r = iconv(cd, &inp, &inLeft, &outp, &outLeft);
    iconv_close(cd);
    return r == size_t(-1) ? std::string() : std::string(out, sizeof out - outLeft);
}

TEST(Johab, EverySyllableMatchesTheSystemConverterBothWays) {
    int mismatches = 0;
    for (char32_t c = 0xAC00; c <= 0xD7A3; ++c) {
        std::string u = utf8Of(c);
        std::string expected = iconvToJohab(u);
        std::string ours = Utf8ToJohab(u);
        if (ours != expected || JohabToUtf8(ours) != u) {
            if (++mismatches < 5) ADD_FAILURE() << "syllable U+" << std::hex << unsigned(c);
        }
    }
    EXPECT_EQ(mismatches, 0);
}

TEST(Johab, CompatibilityJamoMatchTheSystemConverter) {
    for (char32_t c = 0x3131; c <= 0x3163; ++c) {
        std::string u = utf8Of(c);
        EXPECT_EQ(Utf8ToJohab(u), iconvToJohab(u)) << "jamo U+" << std::hex << unsigned(c);
        EXPECT_EQ(JohabToUtf8(Utf8ToJohab(u)), u);
    }
}

TEST(Johab, LiteralsAreConvertedAtCompileTimeAndMixWithAscii) {
    constexpr auto text = "가 A1"_j;
    static_assert(text.view().size() == 5);
    EXPECT_EQ(std::string(text), std::string("\x88\x61 A1"));
    EXPECT_EQ(JohabToUtf8("벨라 windows"_j), "벨라 windows");
}

TEST(Johab, BrokenInputNeverReadsPastTheEnd) {
    EXPECT_EQ(JohabToUtf8(std::string("A\x88")), "A\xEF\xBF\xBD");  // lone lead byte -> U+FFFD
    EXPECT_EQ(Utf8ToJohab("\xE2\x82"), "?");                      // cut UTF-8 sequence
    EXPECT_EQ(Utf8ToJohab("€"), "?");                               // no Johab code here
}

}  // namespace
