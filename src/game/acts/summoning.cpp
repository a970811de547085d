#include "game/acts/summoning.h"

#include <algorithm>
#include <cstring>
#include <limits>

#include "game/state/party.h"
#include "game/state/random.h"
#include "game/state/rules.h"
#include "screen/johab.h"

namespace vela {

namespace {

// A value v ± k; k 0 is a fixed value.
struct Varying {
    int value, spread;
};
// Weapon power as a factor of the summoning skill, num / den.
struct Factor {
    int num, den;
};

struct Creature {
    const char* name;
    int weapon;
    Factor power;
    int armourClass;
    Varying endurance, resistance, accuracy;
};

struct SummonSpell {
    int family, sex;
    const Creature* creatures;
    int count;
};

constexpr Creature kFireSpirits[] = {
    {"불의 정령", 29, {3, 1}, 0, {10, 5}, {10, 5}, {10, 5}}, {"사라만다", 29, {3, 1}, 0, {10, 5}, {10, 5}, {10, 5}},
    {"아저", 29, {3, 1}, 0, {10, 5}, {10, 5}, {10, 5}},      {"이프리트", 29, {3, 1}, 0, {10, 5}, {10, 5}, {10, 5}},
};
constexpr Creature kWaterSpirits[] = {
    {"님프", 30, {2, 1}, 1, {8, 5}, {12, 5}, {10, 5}},        {"드리어드스", 30, {2, 1}, 1, {8, 5}, {12, 5}, {10, 5}},
    {"네레이드스", 30, {2, 1}, 1, {8, 5}, {12, 5}, {10, 5}},  {"나이어드스", 30, {2, 1}, 1, {8, 5}, {12, 5}, {10, 5}},
    {"나파이어스", 30, {2, 1}, 1, {8, 5}, {12, 5}, {10, 5}},  {"오레이어드스", 30, {2, 1}, 1, {8, 5}, {12, 5}, {10, 5}},
    {"알세이드스", 30, {2, 1}, 1, {8, 5}, {12, 5}, {10, 5}},  {"마리드", 30, {2, 1}, 1, {8, 5}, {12, 5}, {10, 5}},
    {"켈피", 30, {2, 1}, 1, {8, 5}, {12, 5}, {10, 5}},
};
constexpr Creature kAirSpirits[] = {
    {"공기의 정령", 31, {1, 1}, 1, {6, 5}, {14, 5}, {13, 5}}, {"실프", 31, {1, 1}, 1, {6, 5}, {14, 5}, {13, 5}},
    {"실피드", 31, {1, 1}, 1, {6, 5}, {14, 5}, {13, 5}},      {"디지니", 31, {1, 1}, 1, {6, 5}, {14, 5}, {13, 5}},
    {"인비저블 스토커", 31, {1, 1}, 1, {6, 5}, {14, 5}, {13, 5}},
};
constexpr Creature kEarthSpirits[] = {
    {"땅의 정령", 32, {4, 1}, 3, {14, 5}, {10, 5}, {6, 5}},
    {"놈", 32, {4, 1}, 3, {14, 5}, {10, 5}, {6, 5}},
    {"다오", 32, {4, 1}, 3, {14, 5}, {10, 5}, {6, 5}},
};
constexpr Creature kOtherPlanes[] = {
    {"밴더스내치", 33, {3, 1}, 3, {15, 5}, {8, 5}, {12, 5}},   {"캐리온 크롤러", 34, {1, 1}, 3, {20, 5}, {14, 5}, {13, 5}},
    {"켄타우루스", 35, {3, 2}, 2, {17, 5}, {12, 5}, {18, 2}},  {"데모고르곤", 36, {4, 1}, 4, {18, 5}, {5, 5}, {17, 3}},
    {"듈라한", 16, {1, 1}, 3, {10, 5}, {20, 0}, {17, 0}},      {"에틴", 8, {4, 5}, 1, {10, 5}, {10, 0}, {10, 9}},
    {"헬하운드", 33, {3, 1}, 2, {14, 5}, {9, 5}, {11, 5}},     {"미노타우루스", 9, {3, 1}, 2, {13, 5}, {11, 5}, {14, 5}},
};
constexpr Creature kGiants[] = {
    {"클라우드자이언트", 37, {5, 2}, 2, {20, 5}, {15, 5}, {10, 5}}, {"파이어 자이언트", 38, {4, 1}, 2, {25, 5}, {5, 5}, {12, 5}},
    {"프로스트자이언트", 2, {2, 1}, 2, {30, 5}, {8, 5}, {8, 2}},    {"힐 자이언트", 39, {3, 2}, 2, {40, 5}, {5, 5}, {7, 3}},
    {"스톤 자이언트", 37, {5, 2}, 4, {20, 5}, {10, 5}, {11, 5}},    {"스토엄 자이언트", 40, {6, 1}, 1, {20, 5}, {10, 5}, {15, 9}},
};
constexpr Creature kGolems[] = {
    {"글레이 고렘", 41, {1, 2}, 3, {30, 5}, {15, 5}, {13, 5}}, {"프레쉬 고렘", 0, {1, 1}, 1, {20, 5}, {10, 5}, {12, 5}},
    {"아이언 고렘", 42, {4, 1}, 5, {20, 5}, {5, 5}, {10, 2}},  {"스톤 고렘", 0, {2, 1}, 4, {25, 5}, {10, 5}, {13, 3}},
};
// A dragon's power is (random(5) + 1) x the skill: the factor is rolled.
constexpr Factor kRolledFactor = {0, 1};
constexpr Creature kDragons[] = {
    {"블랙 드래곤", 43, kRolledFactor, 3, {30, 10}, {10, 10}, {15, 5}},
    {"블루 드래곤", 44, kRolledFactor, 3, {30, 10}, {10, 10}, {15, 5}},
    {"블래스 드래곤", 45, kRolledFactor, 3, {30, 10}, {10, 10}, {15, 5}},
    {"브론즈 드래곤", 44, kRolledFactor, 3, {30, 10}, {10, 10}, {15, 5}},
    {"크로매틱 드래곤", 46, kRolledFactor, 3, {30, 10}, {10, 10}, {15, 5}},
    {"코퍼 드래곤", 43, kRolledFactor, 3, {30, 10}, {10, 10}, {15, 5}},
    {"골드 드래곤", 46, kRolledFactor, 3, {30, 10}, {10, 10}, {15, 5}},
    {"그린 드래곤", 47, kRolledFactor, 3, {30, 10}, {10, 10}, {15, 5}},
    {"플래티움 드래곤", 48, kRolledFactor, 3, {30, 10}, {10, 10}, {15, 5}},
    {"레드 드래곤", 46, kRolledFactor, 3, {30, 10}, {10, 10}, {15, 5}},
    {"실버 드래곤", 49, kRolledFactor, 3, {30, 10}, {10, 10}, {15, 5}},
    {"화이트 드래곤", 49, kRolledFactor, 3, {30, 10}, {10, 10}, {15, 5}},
};
// Lycanthropes differ in family.
constexpr Creature kWerewolf = {"늑대 인간", 36, {3, 1}, 2, {25, 0}, {15, 0}, {18, 0}};
constexpr Creature kDragonNewt = {"드래곤 뉴트", 6, {9, 2}, 4, {30, 0}, {18, 0}, {19, 0}};

template <int N>
constexpr SummonSpell spell(int family, int sex, const Creature (&list)[N]) {
    return {family, sex, list, N};
}

const SummonSpell kSummonSpells[] = {
    spell(2, 0, kFireSpirits), spell(2, 1, kWaterSpirits), spell(2, 1, kAirSpirits), spell(2, 0, kEarthSpirits),
    {},  // the dead raised: built by raiseTheDead
    spell(3, 2, kOtherPlanes), spell(4, 0, kGiants),       spell(5, 2, kGolems),      spell(6, 2, kDragons),
};

uint8_t toU8(int v) { return uint8_t(std::clamp(v, 0, 255)); }
int16_t toI16(long v) {
    return int16_t(std::clamp<long>(v, std::numeric_limits<int16_t>::min(), std::numeric_limits<int16_t>::max()));
}

uint8_t vary(Varying v) { return toU8(v.value + Random(2 * v.spread + 1) - v.spread); }

// What every creature shares; the caller sets the rest.
MemberRecord& freshCreature(int skill) {
    MemberRecord& c = Member[kCompanionSlot];
    c.Class = 0;
    c.Level = uint8_t(skill / 5);
    c.Agility = 0;
    c.Poison = 0;
    c.Unconscious = c.Dead = 0;
    c.SP = 0;
    c.Experience = c.TrainedExperience = 0;
    c.Shield = c.ShieldValue = 0;
    c.Armour = c.ArmourValue = 0;
    for (uint8_t& s : c.Skills) s = 0;
    c.Luck = vary({10, 5});
    c.Strength = vary({10, 5});
    c.Mentality = vary({10, 5});
    c.Concentration = vary({10, 5});
    return c;
}

void finish(MemberRecord& c) { c.HP = toI16(long(c.Endurance) * c.Level * 10); }

void makeCreature(const Creature& kind, int family, int sex, int skill) {
    MemberRecord& c = freshCreature(skill);
    c.Name.set(Utf8ToJohab(kind.name));
    c.Family = uint8_t(family);
    c.Sex = uint8_t(sex);
    c.Weapon = uint8_t(kind.weapon);
    if (kind.power.num == 0) {
        int factor = Random(5) + 1;
        c.WeaponPower = toU8(factor * skill);
    } else {
        c.WeaponPower = toU8(RoundHalfEven((long long)skill * kind.power.num, kind.power.den));
    }
    c.AC = c.BaseAC = uint8_t(kind.armourClass);
    c.Endurance = vary(kind.endurance);
    c.Resistance = vary(kind.resistance);
    c.Accuracy = vary(kind.accuracy);
    finish(c);
}

// The two ancients the dead-raising spell may call back.
struct Ancient {
    const char* name;
    int sex, cls, family;
    Varying strength, mentality, endurance, resistance, accuracy;
    int weapon;
};
constexpr Ancient kAncientMage = {"에인션트 메이지", 1, 1, kMageFamily, {7, 5}, {12, 5}, {7, 5}, {10, 5}, {13, 5}, 29};
constexpr Ancient kAncientKnight = {"에인션트 나이트", 0, 2, kFighterFamily, {12, 5}, {6, 5}, {15, 5}, {10, 5}, {13, 5}, 6};

void raiseTheDead(int skill) {
    bool mage = Random(2) == 1;
    const Ancient& a = mage ? kAncientMage : kAncientKnight;
    MemberRecord& c = freshCreature(skill);
    c.Name.set(Utf8ToJohab(a.name));
    c.Sex = uint8_t(a.sex);
    c.Class = uint8_t(a.cls);
    c.Family = uint8_t(a.family);
    c.Strength = vary(a.strength);
    c.Mentality = vary(a.mentality);
    c.Endurance = vary(a.endurance);
    c.Resistance = vary(a.resistance);
    c.Accuracy = vary(a.accuracy);
    c.Weapon = uint8_t(a.weapon);
    if (mage) {
        c.SP = toI16(long(c.Mentality) * c.Level);
        c.WeaponPower = 2;
        c.AC = c.BaseAC = 0;
    } else {
        c.WeaponPower = vary({60, 10});
        c.Shield = c.ShieldValue = 2;
        c.Armour = c.ArmourValue = vary({3, 1});
        c.BaseAC = 2;
        c.AC = uint8_t(c.Armour + 2);
        c.Skills[1] = c.Skills[5] = toU8(skill);
    }
    finish(c);
}

void summonCreature(const SummonSpell& s, int skill) {
    const Creature& kind = s.creatures[Random(s.count)];
    makeCreature(kind, s.family, s.sex, skill);
}

void summonLycanthrope(int skill) {
    if (Random(2) == 0)
        makeCreature(kWerewolf, 3, 0, skill);
    else
        makeCreature(kDragonNewt, 6, 0, skill);
}

}  // namespace

void SummonWithSkill(int choice, int skill) {
    if (choice == 5)
        raiseTheDead(skill);
    else if (choice == 10)
        summonLycanthrope(skill);
    else if (choice >= 1 && choice <= 9)
        summonCreature(kSummonSpells[choice - 1], skill);
}

}  // namespace vela
