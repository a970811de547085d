#include "game/state/particles.h"

#include <cctype>

#include "screen/johab.h"

namespace vela {

namespace {

enum class Ending { Vowel, Rieul, Consonant };

// Johab parts: 1 is the fill code of an initial or a final, 2 of a medial.
constexpr unsigned kFill = 1, kMedialFill = 2, kInitialRieul = 7, kFinalRieul = 9;

Ending syllableEnding(unsigned code) {
    unsigned initial = code >> 10 & 0x1F, medial = code >> 5 & 0x1F, final = code & 0x1F;
    if (medial == kMedialFill)
        return initial == kInitialRieul || final == kFinalRieul ? Ending::Rieul : Ending::Consonant;
    if (final == kFill) return Ending::Vowel;
    return final == kFinalRieul ? Ending::Rieul : Ending::Consonant;
}

Ending digitEnding(char digit) {
    switch (digit) {
        case '1': case '7': case '8': return Ending::Rieul;
        case '2': case '4': case '5': case '9': return Ending::Vowel;
        default: return Ending::Consonant;
    }
}

Ending letterEnding(char letter) {
    char c = char(std::tolower(static_cast<unsigned char>(letter)));
    if (c == 'l') return Ending::Rieul;
    return std::string_view("bckmnp").find(c) != std::string_view::npos ? Ending::Consonant : Ending::Vowel;
}

// The ending of the text's last syllable, digit or letter. A lead byte
// without its second byte (a syllable cut off) is passed over like a mark.
Ending endingOf(std::string_view text) {
    Ending ending = Ending::Consonant;
    for (std::size_t i = 0; i < text.size(); ++i) {
        auto byte = static_cast<unsigned char>(text[i]);
        if (byte >= 0x80) {
            if (i + 1 == text.size()) break;
            ending = syllableEnding(unsigned(byte) << 8 | static_cast<unsigned char>(text[++i]));
        } else if (std::isdigit(byte)) {
            ending = digitEnding(char(byte));
        } else if (std::isalpha(byte)) {
            ending = letterEnding(char(byte));
        }
    }
    return ending;
}

struct Forms {
    std::string_view afterVowel, afterRieul, afterConsonant;
};

Forms formsOf(Particle particle) {
    switch (particle) {
        case Particle::Topic: return {"는"_j, "은"_j, "은"_j};
        case Particle::Subject: return {"가"_j, "이"_j, "이"_j};
        case Particle::Object: return {"를"_j, "을"_j, "을"_j};
        case Particle::With: return {"와"_j, "과"_j, "과"_j};
        case Particle::Instrumental: return {"로"_j, "로"_j, "으로"_j};
        case Particle::Vocative: break;
    }
    return {"여"_j, "이여"_j, "이여"_j};
}

}  // namespace

std::string WithParticle(std::string_view text, Particle particle) {
    if (text.empty()) return {};
    Forms forms = formsOf(particle);
    Ending ending = endingOf(text);
    std::string_view form = ending == Ending::Vowel   ? forms.afterVowel
                            : ending == Ending::Rieul ? forms.afterRieul
                                                      : forms.afterConsonant;
    return std::string(text) + std::string(form);
}

}  // namespace vela
