// Korean text in the Johab encoding.
//
// The game keeps every text as a byte string: ASCII bytes mixed with two-byte
// Johab syllables (bit 15 set; 5 bits each of initial, medial and final jamo
// code). Texts are written in the source as UTF-8 and turned into Johab at
// compile time with the _j suffix: "벨라"_j. A character outside ASCII,
// Hangul syllables and compatibility jamo does not compile.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace vela {

namespace johab_detail {

// Johab medial codes of the 21 modern vowels in Unicode order (ㅏ..ㅣ).
inline constexpr std::array<uint8_t, 21> kMedialCode = {3,  4,  5,  6,  7,  10, 11, 12, 13, 14, 15,
                                                        18, 19, 20, 21, 22, 23, 26, 27, 28, 29};

// Compatibility consonants U+3131..U+314E: {initial code, final code}; one of
// them is the fill value (1) where the letter exists in one position only.
struct JamoCode {
    uint8_t initial;
    uint8_t final;
};
inline constexpr std::array<JamoCode, 30> kConsonant = {{
    {2, 1},  {3, 1},  {1, 4},  {4, 1},  {1, 6},  {1, 7},  {5, 1},  {6, 1},  {7, 1},  {1, 10},
    {1, 11}, {1, 12}, {1, 13}, {1, 14}, {1, 15}, {1, 16}, {8, 1},  {9, 1},  {10, 1}, {1, 20},
    {11, 1}, {12, 1}, {13, 1}, {14, 1}, {15, 1}, {16, 1}, {17, 1}, {18, 1}, {19, 1}, {20, 1},
}};

constexpr uint16_t finalCodeOfIndex(unsigned t) { return t == 0 ? 1 : (t <= 16 ? t + 1 : t + 2); }

// Johab code of one Unicode scalar, or 0 when it has none here.
constexpr uint16_t codeOf(char32_t c) {
    if (c >= 0xAC00 && c <= 0xD7A3) {
        unsigned s = c - 0xAC00;
        unsigned l = s / (21 * 28), v = (s / 28) % 21, t = s % 28;
        return uint16_t(0x8000 | ((l + 2) << 10) | (kMedialCode[v] << 5) | finalCodeOfIndex(t));
    }
    if (c >= 0x3131 && c <= 0x314E) {
        JamoCode j = kConsonant[c - 0x3131];
        return uint16_t(0x8000 | (j.initial << 10) | (2 << 5) | j.final);
    }
    if (c >= 0x314F && c <= 0x3163) return uint16_t(0x8000 | (1 << 10) | (kMedialCode[c - 0x314F] << 5) | 1);
    return 0;
}

// Decodes one UTF-8 sequence at s[i] and advances i; a malformed sequence
// gives kBadScalar.
inline constexpr char32_t kBadScalar = 0xFFFFFFFF;
constexpr char32_t nextScalar(std::string_view s, std::size_t& i) {
    unsigned char b = static_cast<unsigned char>(s[i++]);
    if (b < 0x80) return b;
    int extra = (b >> 5) == 6 ? 1 : (b >> 4) == 14 ? 2 : (b >> 3) == 30 ? 3 : -1;
    if (extra < 0) return kBadScalar;
    char32_t c = b & (0x3F >> extra);
    for (int k = 0; k < extra; ++k) {
        if (i >= s.size()) return kBadScalar;
        unsigned char n = static_cast<unsigned char>(s[i]);
        if ((n & 0xC0) != 0x80) return kBadScalar;
        c = (c << 6) | (n & 0x3F);
        ++i;
    }
    return c;
}

// Number of Johab bytes for a UTF-8 text, or -1 when it holds an unsupported character.
constexpr int johabLength(std::string_view s) {
    int n = 0;
    for (std::size_t i = 0; i < s.size();) {
        char32_t c = nextScalar(s, i);
        if (c < 0x80)
            n += 1;
        else if (codeOf(c) != 0)
            n += 2;
        else
            return -1;
    }
    return n;
}

template <std::size_t N>
struct Utf8Literal {
    char text[N]{};
    consteval Utf8Literal(const char (&s)[N]) {
        for (std::size_t i = 0; i < N; ++i) text[i] = s[i];
    }
    constexpr std::string_view view() const { return {text, N - 1}; }
};

template <int N>
struct JohabLiteral {
    char bytes[N > 0 ? N : 1]{};
    constexpr std::string_view view() const { return {bytes, std::size_t(N)}; }
    operator std::string_view() const { return view(); }
    operator std::string() const { return std::string(view()); }
};

}  // namespace johab_detail

// UTF-8 -> Johab for texts known at run time (names typed, test data).
// Characters without a Johab code become '?'.
std::string Utf8ToJohab(std::string_view utf8);
// Johab -> UTF-8 for transcripts, state dumps and test messages. A lone high
// byte or a code that is not a syllable or jamo becomes U+FFFD.
std::string JohabToUtf8(std::string_view johab);

// Johab code (two bytes, big-endian value) of one Unicode scalar, 0 if none.
constexpr uint16_t JohabCodeOf(char32_t c) { return johab_detail::codeOf(c); }

}  // namespace vela

namespace vela::johab_detail {

template <Utf8Literal S>
consteval auto convertLiteral() {
    constexpr int n = johabLength(S.view());
    static_assert(n >= 0, "text holds a character that Johab cannot encode");
    static_assert(n <= 255, "a game text holds at most 255 bytes");
    JohabLiteral<n> out{};
    std::string_view s = S.view();
    int o = 0;
    for (std::size_t i = 0; i < s.size();) {
        char32_t c = nextScalar(s, i);
        if (c < 0x80) {
            out.bytes[o++] = char(c);
        } else {
            uint16_t code = codeOf(c);
            out.bytes[o++] = char(code >> 8);
            out.bytes[o++] = char(code & 0xFF);
        }
    }
    return out;
}

// One static copy per distinct text, so a view of it never dangles.
template <Utf8Literal S>
struct JohabStorage {
    static constexpr auto value = convertLiteral<S>();
};

}  // namespace vela::johab_detail

// "텍스트"_j : compile-time UTF-8 -> Johab, a reference to static storage
// (safe to keep as std::string_view).
template <vela::johab_detail::Utf8Literal S>
constexpr const auto& operator""_j() {
    return vela::johab_detail::JohabStorage<S>::value;
}
