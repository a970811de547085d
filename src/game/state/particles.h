// Korean particles after names.
//
// A particle's form depends on whether the name's last syllable ends in a
// consonant. Names typed by the player are judged at run time from the last
// byte of their Johab code; the fixed names of weapons, shields, armour and
// spells carry a fixed class that the name operations put into ParticleEu and
// ParticleEul each time they produce a name.
#pragma once

#include <string>
#include <string_view>

namespace vela {

// For the most recently named weapon, shield, armour or spell:
// name + ParticleEu + "로" gives the instrumental (으)로, name + ParticleEul
// the object form.
extern std::string ParticleEu;   // "으" or empty
extern std::string ParticleEul;  // "을" or "를"

// Fixed particle classes of the game's own names.
enum class NameEnding {
    Consonant,  // 으로, 을
    FinalRieul, // 로, 을
    Vowel,      // 로, 를
};
void SetParticles(NameEnding ending);

// True when the text's last byte says "no final consonant" (its low 5 bits
// are 1). Only the byte is looked at, so ASCII endings are judged the same
// way: "a" counts as a vowel ending, "1" as a consonant.
bool EndsInVowel(std::string_view text);

enum class Particle {
    Topic,    // 은/는
    Subject,  // 이/가
    Object,   // 을/를
};
// The text followed by the form of the particle its ending asks for:
// "레온은", "벨라는", "오크를". An empty text stays empty.
std::string WithParticle(std::string_view text, Particle particle);

}  // namespace vela
