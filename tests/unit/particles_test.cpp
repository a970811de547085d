// Particles after typed names (judged by the last byte) and after the game's
// own names (fixed classes set by the name operations).
#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "game/state/names.h"
#include "game/state/particles.h"
#include "screen/johab.h"

using namespace vela;

namespace {

std::string J(std::string_view utf8) { return Utf8ToJohab(utf8); }
std::string U(const std::string& johab) { return JohabToUtf8(johab); }

// What a message shows for "<name>(으)로" and "<name>을/를" right after naming.
std::string instrumental(const std::string& name) { return U(name + ParticleEu + J("로")); }
std::string object(const std::string& name) { return U(name + ParticleEul); }

}  // namespace

TEST(TypedNameParticles, ChoosesByFinalConsonantOfLastSyllable) {
    EXPECT_EQ(U(WithParticle(J("철수"), Particle::Topic)), "철수는");
    EXPECT_EQ(U(WithParticle(J("영철"), Particle::Topic)), "영철은");
    EXPECT_EQ(U(WithParticle(J("벨라"), Particle::Subject)), "벨라가");
    EXPECT_EQ(U(WithParticle(J("한결"), Particle::Subject)), "한결이");
    EXPECT_EQ(U(WithParticle(J("오크"), Particle::Object)), "오크를");
    EXPECT_EQ(U(WithParticle(J("용암 골렘"), Particle::Object)), "용암 골렘을");
}

TEST(TypedNameParticles, EachParticleHasItsOwnPairOfForms) {
    // One vowel-ending and one consonant-ending name through all three, so
    // a particle answering with another's forms shows.
    const std::pair<Particle, std::pair<const char*, const char*>> expected[] = {
        {Particle::Topic, {"레아는", "레온은"}},
        {Particle::Subject, {"레아가", "레온이"}},
        {Particle::Object, {"레아를", "레온을"}},
    };
    for (const auto& [particle, forms] : expected) {
        EXPECT_EQ(U(WithParticle(J("레아"), particle)), forms.first);
        EXPECT_EQ(U(WithParticle(J("레온"), particle)), forms.second);
    }
}

TEST(TypedNameParticles, AsciiEndingsAreJudgedByTheirByte) {
    // 'a' is 0x61: low five bits 1, so it reads as a vowel ending.
    EXPECT_EQ(U(WithParticle("Vela", Particle::Topic)), "Vela는");
    EXPECT_EQ(U(WithParticle("a", Particle::Object)), "a를");
    // '1' is 0x31: low five bits 17.
    EXPECT_EQ(U(WithParticle("R2D1", Particle::Topic)), "R2D1은");
    EXPECT_EQ(U(WithParticle(J("용사1"), Particle::Subject)), "용사1이");
}

TEST(TypedNameParticles, EmptyNameGivesNoParticle) {
    EXPECT_EQ(WithParticle("", Particle::Topic), "");
    EXPECT_EQ(WithParticle("", Particle::Subject), "");
    EXPECT_EQ(WithParticle("", Particle::Object), "");
    EXPECT_EQ(U(WithParticle("", Particle::Object) + J(" 이미 죽은 상태입니다")), " 이미 죽은 상태입니다");
}

TEST(FixedNameParticles, Weapons) {
    EXPECT_EQ(instrumental(WeaponName(26)), "활로");
    EXPECT_EQ(object(WeaponName(26)), "활을");
    EXPECT_EQ(instrumental(WeaponName(1)), "단검으로");
    EXPECT_EQ(object(WeaponName(1)), "단검을");
    EXPECT_EQ(instrumental(WeaponName(3)), "샤벨로");
    EXPECT_EQ(instrumental(WeaponName(0)), "맨손으로");
    EXPECT_EQ(object(WeaponName(2)), "그라디우스를");
    EXPECT_EQ(instrumental(WeaponName(2)), "그라디우스로");
    EXPECT_EQ(object(WeaponName(46)), "불꽃을");
    EXPECT_EQ(object(WeaponName(49)), "냉동 가스를");
    EXPECT_EQ(object(WeaponName(50)), "불확실한 무기를");
    EXPECT_EQ(object(WeaponName(200)), "불확실한 무기를");
}

TEST(FixedNameParticles, ShieldsAndArmour) {
    EXPECT_EQ(instrumental(ShieldName(0)), "없음으로");
    EXPECT_EQ(object(ShieldName(1)), "가죽 방패를");
    EXPECT_EQ(object(ShieldName(6)), "불확실함를");  // the fallback is classed as a vowel
    EXPECT_EQ(object(ArmourName(0)), "없음을");
    EXPECT_EQ(instrumental(ArmourName(1)), "가죽 갑옷으로");
    EXPECT_EQ(object(ArmourName(5)), "브리간디를");
    EXPECT_EQ(object(ArmourName(7)), "라멜라를");
    EXPECT_EQ(object(ArmourName(10)), "플래티움 갑옷을");
    EXPECT_EQ(instrumental(ArmourName(255)), "흑요석 갑옷으로");
    EXPECT_EQ(object(ArmourName(11)), "불확실함를");
}

TEST(FixedNameParticles, EverySchoolFourSpellTakesReul) {
    for (int spell = 1; spell <= 10; ++spell) {
        SpellName(0, 1);  // a consonant name first, so a stale value would show
        std::string name = SpellName(4, spell);
        EXPECT_EQ(U(ParticleEul), "를") << U(name);
        EXPECT_EQ(ParticleEu, "") << U(name);
    }
    EXPECT_EQ(object(SpellName(4, 4)), "한명 마법 불능를");
}

TEST(FixedNameParticles, SpellsOfOtherSchools) {
    EXPECT_EQ(object(SpellName(0, 1)), "마법 화살을");
    EXPECT_EQ(object(SpellName(0, 2)), "마법 화구를");
    EXPECT_EQ(object(SpellName(0, 5)), "마법 발화를");
    EXPECT_EQ(object(SpellName(1, 2)), "열선 파동을");
    EXPECT_EQ(object(SpellName(1, 3)), "초음파를");
    EXPECT_EQ(object(SpellName(1, 7)), "브리자드를");
    EXPECT_EQ(object(SpellName(1, 8)), "에너지 장막을");
    EXPECT_EQ(object(SpellName(2, 9)), "식량 제조를");
    EXPECT_EQ(object(SpellName(2, 8)), "공간 이동을");
    EXPECT_EQ(object(SpellName(3, 6)), "모두 치료를");
    EXPECT_EQ(object(SpellName(3, 4)), "한명 부활을");
    EXPECT_EQ(object(SpellName(5, 1)), "투시를");
    EXPECT_EQ(object(SpellName(5, 2)), "예언을");
    for (int spell = 1; spell <= 10; ++spell) {
        SpellName(4, 1);
        SpellName(6, spell);
        EXPECT_EQ(U(ParticleEu), "으") << spell;
    }
    EXPECT_EQ(instrumental(SpellName(7, 1)), "알수 없는 마법으로");
    EXPECT_EQ(instrumental(SpellName(2, 11)), "알수 없는 마법으로");
    EXPECT_EQ(instrumental(SpellName(-1, 1)), "알수 없는 마법으로");
}
