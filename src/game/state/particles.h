// Korean particles after words that vary: a member's or a foe's name, a
// weapon, a spell, an item, a number.
//
// A particle's form depends on how the word before it is read aloud: whether
// its last syllable ends in a consonant, and whether that consonant is ㄹ,
// which takes 로 as a vowel does. Every such word is judged from its own text
// when the sentence is built, so a renamed weapon or a typed name always
// gets the right form:
// - a Johab syllable by its final consonant; a lone consonant by its letter
//   name (ㄹ is 리을, every other one ends in a consonant), a lone vowel as
//   a vowel;
// - a digit as it is read: 1, 7, 8 (일, 칠, 팔) end in ㄹ, 2, 4, 5, 9 in a
//   vowel, 0, 3, 6 (십, 삼, 육) in another consonant;
// - a Latin letter as an English name ends: l in ㄹ (Bill), b, c, k, m, n,
//   p in a consonant (Bob, Tom), every other letter in a vowel (Vela);
// - blanks, quotes and other marks after the word are passed over, so
//   "'마법 화살'" is judged by 살. A text with nothing to judge takes the
//   consonant form.
#pragma once

#include <string>
#include <string_view>

namespace vela {

enum class Particle {
    Topic,         // 은/는
    Subject,       // 이/가
    Object,        // 을/를
    With,          // 과/와
    Instrumental,  // 으로/로 (로 after ㄹ too)
    Vocative,      // 이여/여
};

// The text followed by the form of the particle its ending asks for:
// "레온은", "벨라는", "활로", "단검으로". An empty text stays empty.
std::string WithParticle(std::string_view text, Particle particle);

}  // namespace vela
