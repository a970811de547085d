#include "game/camp/summoning_scroll.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <string_view>

#include "game/camp/member_limits.h"
#include "game/state/party.h"
#include "game/state/random.h"
#include "screen/johab.h"

namespace vela {

namespace {

// A value v ± k: v + random(2k + 1) - k.
int around(int v, int k) { return v + Random(2 * k + 1) - k; }

struct Creature {
    std::string_view name;
    uint8_t weapon;
    double powerFactor;  // weapon power = skill x factor, rounded to nearest
    uint8_t ac;
    int endurance, enduranceSpread, resistance, resistanceSpread, accuracy, accuracySpread;
};

const Creature kCreatures[8] = {
    {"밴더스내치"_j, 33, 3, 3, 15, 5, 8, 5, 12, 5},   {"캐리온 크롤러"_j, 34, 1, 3, 20, 5, 14, 5, 13, 5},
    {"켄타우루스"_j, 35, 1.5, 2, 17, 5, 12, 5, 18, 2}, {"데모고르곤"_j, 36, 4, 4, 18, 5, 5, 5, 17, 3},
    {"듈라한"_j, 16, 1, 3, 10, 5, 20, 0, 17, 0},       {"에틴"_j, 8, 0.8, 1, 10, 5, 10, 0, 10, 9},
    {"헬하운드"_j, 33, 3, 2, 14, 5, 9, 5, 11, 5},      {"미노타우루스"_j, 9, 3, 2, 13, 5, 11, 5, 14, 5},
};

uint8_t toU8(long v) { return uint8_t(std::clamp<long>(v, 0, 255)); }

}  // namespace

int SummonFromOtherDimension(int skill) {
    const Creature& c = kCreatures[Random(8)];
    MemberRecord& m = Member[kCompanionSlot];
    std::memset(&m, 0, sizeof m);
    m.Name.set(c.name);
    m.Family = 3;
    m.Sex = 2;
    m.Level = toU8(skill / 5);
    m.Strength = toU8(around(10, 5));
    m.Mentality = toU8(around(10, 5));
    m.Concentration = toU8(around(10, 5));
    m.Luck = toU8(around(10, 5));
    m.Endurance = toU8(around(c.endurance, c.enduranceSpread));
    m.Resistance = toU8(around(c.resistance, c.resistanceSpread));
    m.Accuracy = toU8(around(c.accuracy, c.accuracySpread));
    m.HP = ClampToI16(long(m.Endurance) * m.Level * 10);
    m.Weapon = c.weapon;
    m.WeaponPower = toU8(std::lrint(skill * c.powerFactor));
    m.AC = c.ac;
    m.BaseAC = c.ac;
    return kCompanionSlot;
}

}  // namespace vela
