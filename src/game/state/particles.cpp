#include "game/state/particles.h"

#include "screen/johab.h"

namespace vela {

std::string ParticleEu;
std::string ParticleEul;

void SetParticles(NameEnding ending) {
    ParticleEu = ending == NameEnding::Consonant ? std::string("으"_j) : std::string();
    ParticleEul = ending == NameEnding::Vowel ? std::string("를"_j) : std::string("을"_j);
}

bool EndsInVowel(std::string_view text) {
    return !text.empty() && (static_cast<unsigned char>(text.back()) & 0x1F) == 1;
}

namespace {

std::string withForm(std::string_view text, std::string_view vowelForm, std::string_view consonantForm) {
    return std::string(text) + std::string(EndsInVowel(text) ? vowelForm : consonantForm);
}

}  // namespace

std::string WithParticle(std::string_view text, Particle particle) {
    if (text.empty()) return {};
    switch (particle) {
        case Particle::Topic: return withForm(text, "는"_j, "은"_j);
        case Particle::Subject: return withForm(text, "가"_j, "이"_j);
        case Particle::Object: break;
    }
    return withForm(text, "를"_j, "을"_j);
}

}  // namespace vela
