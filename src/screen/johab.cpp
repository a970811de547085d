#include "screen/johab.h"

namespace vela {

std::string Utf8ToJohab(std::string_view utf8) {
    std::string out;
    for (std::size_t i = 0; i < utf8.size();) {
        char32_t c = johab_detail::nextScalar(utf8, i);
        if (c < 0x80) {
            out += char(c);
        } else if (uint16_t code = johab_detail::codeOf(c)) {
            out += char(code >> 8);
            out += char(code & 0xFF);
        } else {
            out += '?';
        }
    }
    return out;
}

namespace {

void appendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += char(c);
    } else if (c < 0x800) {
        out += char(0xC0 | (c >> 6));
        out += char(0x80 | (c & 0x3F));
    } else {
        out += char(0xE0 | (c >> 12));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    }
}

int indexOfMedial(unsigned code) {
    for (int v = 0; v < 21; ++v)
        if (johab_detail::kMedialCode[v] == code) return v;
    return -1;
}

int indexOfFinal(unsigned code) {
    for (unsigned t = 0; t < 28; ++t)
        if (johab_detail::finalCodeOfIndex(t) == code) return int(t);
    return -1;
}

char32_t scalarOfCode(uint16_t code) {
    unsigned ini = (code >> 10) & 31, med = (code >> 5) & 31, fin = code & 31;
    int v = indexOfMedial(med), t = indexOfFinal(fin);
    if (ini >= 2 && ini <= 20 && v >= 0 && t >= 0) return 0xAC00 + ((ini - 2) * 21 + v) * 28 + t;
    if (med == 2) {  // a lone consonant
        for (unsigned k = 0; k < johab_detail::kConsonant.size(); ++k) {
            const auto& j = johab_detail::kConsonant[k];
            if (j.initial == ini && j.final == fin) return 0x3131 + k;
        }
    }
    if (ini == 1 && fin == 1 && v >= 0) return 0x314F + v;
    return 0xFFFD;
}

}  // namespace

std::string JohabToUtf8(std::string_view johab) {
    std::string out;
    for (std::size_t i = 0; i < johab.size(); ++i) {
        unsigned char b = static_cast<unsigned char>(johab[i]);
        if (b < 0x80) {
            out += char(b);
        } else if (i + 1 < johab.size()) {
            uint16_t code = uint16_t(b << 8 | static_cast<unsigned char>(johab[i + 1]));
            appendUtf8(out, scalarOfCode(code));
            ++i;
        } else {
            appendUtf8(out, 0xFFFD);
        }
    }
    return out;
}

}  // namespace vela
