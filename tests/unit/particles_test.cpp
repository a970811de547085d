// The particle after a word that varies, judged from the word's own text:
// typed names, the game's fixed names, digits and Latin letters.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/state/names.h"
#include "game/state/particles.h"
#include "screen/johab.h"

using namespace vela;

namespace {

std::string J(std::string_view utf8) { return Utf8ToJohab(utf8); }
std::string U(const std::string& johab) { return JohabToUtf8(johab); }
std::string With(std::string_view utf8, Particle particle) { return U(WithParticle(J(utf8), particle)); }

struct Forms {
    Particle particle;
    const char* afterVowel;
    const char* afterRieul;
    const char* afterConsonant;
};
const Forms kForms[] = {
    {Particle::Topic, "는", "은", "은"},   {Particle::Subject, "가", "이", "이"},
    {Particle::Object, "를", "을", "을"},  {Particle::With, "와", "과", "과"},
    {Particle::Instrumental, "로", "로", "으로"}, {Particle::Vocative, "여", "이여", "이여"},
};

// The form for a word whose last syllable (UTF-8, read here by its Unicode
// code, not by the game's Johab bits) ends as it does.
std::string expectedForm(const std::string& utf8Word, const Forms& forms) {
    std::u32string word;
    for (std::size_t i = 0; i < utf8Word.size();) {
        unsigned char b = static_cast<unsigned char>(utf8Word[i]);
        int extra = b < 0x80 ? 0 : b < 0xE0 ? 1 : b < 0xF0 ? 2 : 3;
        char32_t c = extra == 0 ? b : b & (0x3F >> extra);
        for (int k = 1; k <= extra; ++k) c = c << 6 | (static_cast<unsigned char>(utf8Word[i + k]) & 0x3F);
        word += c;
        i += 1 + extra;
    }
    char32_t last = word.back();
    EXPECT_TRUE(last >= 0xAC00 && last <= 0xD7A3) << utf8Word;
    int final = int(last - 0xAC00) % 28;  // 0: none, 8: ㄹ
    return final == 0 ? forms.afterVowel : final == 8 ? forms.afterRieul : forms.afterConsonant;
}

}  // namespace

TEST(Particles, EveryParticleHasItsFormAfterAVowelAfterRieulAndAfterAnotherConsonant) {
    for (const Forms& f : kForms) {
        EXPECT_EQ(With("레아", f.particle), std::string("레아") + f.afterVowel);
        EXPECT_EQ(With("리겔", f.particle), std::string("리겔") + f.afterRieul);
        EXPECT_EQ(With("레온", f.particle), std::string("레온") + f.afterConsonant);
    }
}

TEST(Particles, OnlyTheLastSyllableCounts) {
    EXPECT_EQ(With("철수", Particle::Topic), "철수는");
    EXPECT_EQ(With("영철", Particle::Topic), "영철은");
    EXPECT_EQ(With("용암 골렘", Particle::Instrumental), "용암 골렘으로");
    EXPECT_EQ(With("에레보스의 화신", Particle::Topic), "에레보스의 화신은");
    EXPECT_EQ(With("몰록", Particle::Topic), "몰록은");
    // A double final with ㄹ first is no plain ㄹ: 닭으로.
    EXPECT_EQ(With("닭", Particle::Instrumental), "닭으로");
}

TEST(Particles, MarksAfterTheWordArePassedOver) {
    EXPECT_EQ(With("'마법 화살'", Particle::Instrumental), "'마법 화살'로");
    EXPECT_EQ(With("'마법 단창'", Particle::Instrumental), "'마법 단창'으로");
    EXPECT_EQ(With("'한명 치료'", Particle::Object), "'한명 치료'를");
    EXPECT_EQ(With("(10,48)", Particle::Subject), "(10,48)이");
    // Nothing to judge: the consonant form.
    EXPECT_EQ(With("??", Particle::Object), "??을");
}

TEST(Particles, LoneJamoReadByTheirNames) {
    EXPECT_EQ(With("ㄹ", Particle::Instrumental), "ㄹ로");  // 리을
    EXPECT_EQ(With("ㅋ", Particle::Instrumental), "ㅋ으로");  // 키읔
    EXPECT_EQ(With("ㅏ", Particle::Topic), "ㅏ는");
    // A syllable cut off after its lead byte is passed over.
    std::string cut = J("리겔") + J("나").substr(0, 1);
    EXPECT_EQ(WithParticle(cut, Particle::Topic), cut + J("은"));
}

TEST(Particles, DigitsAsReadInKorean) {
    // 일, 이, 삼, 사, 오, 육, 칠, 팔, 구; 10 is 십.
    const char* topics[] = {"은", "는", "은", "는", "는", "은", "은", "은", "는"};
    const char* instrumentals[] = {"로", "로", "으로", "로", "로", "으로", "로", "로", "로"};
    for (int d = 1; d <= 9; ++d) {
        std::string n = std::to_string(d);
        EXPECT_EQ(With(n, Particle::Topic), n + topics[d - 1]);
        EXPECT_EQ(With(n, Particle::Instrumental), n + instrumentals[d - 1]);
    }
    EXPECT_EQ(With("10", Particle::Instrumental), "10으로");
    EXPECT_EQ(With("77", Particle::Topic), "77은");
    EXPECT_EQ(With("용사2", Particle::Subject), "용사2가");
}

TEST(Particles, LatinLettersAsAnEnglishNameEnds) {
    EXPECT_EQ(With("Vela", Particle::Topic), "Vela는");
    EXPECT_EQ(With("Bill", Particle::Instrumental), "Bill로");
    EXPECT_EQ(With("Tom", Particle::Topic), "Tom은");
    EXPECT_EQ(With("JACK", Particle::Object), "JACK을");
    EXPECT_EQ(With("Mike", Particle::Subject), "Mike가");
    EXPECT_EQ(With("R2D1", Particle::Topic), "R2D1은");
}

TEST(Particles, EmptyWordGivesNoParticle) {
    for (const Forms& f : kForms) EXPECT_EQ(WithParticle("", f.particle), "");
}

// The fixed names carry no class of their own: every one of them, renamed or
// not, takes the forms its last syllable asks for.
TEST(FixedNameParticles, EveryNameTakesTheFormsOfItsLastSyllable) {
    std::vector<std::string> names;
    for (int w = 0; w <= kWeaponNames; ++w) names.push_back(WeaponName(w));
    for (int s = 0; s <= kShieldNames; ++s) names.push_back(ShieldName(s));
    for (int a = 0; a <= kArmourNames; ++a) names.push_back(ArmourName(a));
    names.push_back(ArmourName(255));
    for (int i = 1; i <= kItemNames; ++i) names.push_back(ItemName(i));
    for (int school = 0; school <= kSpellSchools; ++school)
        for (int spell = 1; spell <= kSpellsPerSchool; ++spell) names.push_back(SpellName(school, spell));
    for (const std::string& name : names)
        for (const Forms& f : kForms)
            EXPECT_EQ(U(WithParticle(name, f.particle)), U(name) + expectedForm(U(name), f));
}

// Fourteen names once carried a class that disagreed with their ending.
TEST(FixedNameParticles, NamesWhoseOldClassWasWrong) {
    EXPECT_EQ(U(WithParticle(SpellName(0, 1), Particle::Instrumental)), "마법 화살로");
    EXPECT_EQ(U(WithParticle(SpellName(3, 4), Particle::Instrumental)), "한명 부활로");
    EXPECT_EQ(U(WithParticle(SpellName(4, 4), Particle::Object)), "한명 마법 불능을");
    EXPECT_EQ(U(WithParticle(ArmourName(2), Particle::Instrumental)), "링 메일로");
    EXPECT_EQ(U(WithParticle(ShieldName(6), Particle::Object)), "불확실함을");
}
