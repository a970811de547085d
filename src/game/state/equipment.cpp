#include "game/state/party.h"
#include "game/state/rules.h"

namespace vela {

const std::array<std::array<std::array<uint8_t, 7>, 7>, 4> WeaponPowerTable = {{
    {{
        // cutting: 단검, 그라디우스, 샤벨, 신월도, 인월도, 장검, 프렘버그
        {15, 15, 15, 15, 15, 25, 15},
        {30, 30, 25, 25, 25, 25, 30},
        {35, 40, 35, 35, 35, 35, 40},
        {45, 48, 50, 40, 40, 40, 40},
        {50, 55, 60, 50, 50, 50, 55},
        {60, 70, 70, 60, 60, 60, 65},
        {70, 70, 80, 70, 70, 70, 70},
    }},
    {{
        // chopping: 곤봉, 소형 도끼, 프레일, 전투용 망치, 철퇴, 양날 전투 도끼, 핼버드
        {15, 15, 15, 15, 15, 15, 15},
        {35, 30, 30, 37, 30, 30, 30},
        {35, 40, 35, 35, 35, 35, 35},
        {52, 45, 45, 45, 45, 45, 45},
        {60, 60, 55, 55, 55, 55, 55},
        {75, 70, 70, 70, 70, 70, 70},
        {80, 85, 80, 80, 80, 80, 80},
    }},
    {{
        // stabbing: 단도, 기병창, 단창, 레이피어, 삼지창, 랜서, 도끼창
        {10, 10, 10, 25, 10, 20, 10},
        {35, 40, 35, 35, 35, 35, 40},
        {35, 30, 30, 35, 30, 30, 30},
        {40, 40, 40, 45, 40, 40, 40},
        {60, 60, 60, 60, 60, 60, 60},
        {80, 80, 80, 80, 80, 80, 80},
        {90, 90, 90, 90, 90, 90, 90},
    }},
    {{
        // shooting: 블로우 파이프, 표창, 투석기, 투창, 활, 석궁, 아르발레스트
        {10, 10, 10, 15, 10, 15, 10},
        {10, 10, 10, 10, 10, 20, 10},
        {20, 20, 20, 27, 20, 20, 20},
        {35, 35, 35, 40, 35, 38, 35},
        {45, 45, 45, 55, 45, 45, 45},
        {55, 55, 55, 65, 55, 55, 55},
        {70, 70, 70, 85, 70, 70, 70},
    }},
}};

int WeaponPowerOf(int weapon, int cls) {
    if (weapon < 1 || weapon > 28 || cls < 1 || cls > 7) return 0;
    return WeaponPowerTable[(weapon - 1) / 7][(weapon - 1) % 7][cls - 1];
}

namespace {

// Fighter classes allowed per weapon group, as bit (1 << class).
constexpr unsigned classes(std::initializer_list<int> list) {
    unsigned bits = 0;
    for (int c : list) bits |= 1u << c;
    return bits;
}
constexpr std::array<unsigned, 4> kWeaponClasses = {
    classes({1, 2, 3, 6, 7}),  // cutting 1..7
    classes({1, 2, 4}),        // chopping 8..14
    classes({1, 2, 4, 6, 7}),  // stabbing 15..21
    classes({1, 4, 6, 7}),     // shooting 22..28
};
constexpr unsigned kShieldClasses = classes({1, 2, 3, 7});

bool fighterOfClass(const MemberRecord& m, unsigned allowed) {
    return m.Family == kFighterFamily && m.Class <= 7 && (allowed >> m.Class & 1u);
}

}  // namespace

bool CanUseWeapon(int slot, int weapon) {
    if (weapon < 1 || weapon > 28) return false;
    return fighterOfClass(Member[slot], kWeaponClasses[(weapon - 1) / 7]);
}

bool CanUseShield(int slot) { return fighterOfClass(Member[slot], kShieldClasses); }

bool CanUseArmour(int slot, int armour) {
    const MemberRecord& m = Member[slot];
    if (m.Family == kFighterFamily) return (armour >= 1 && armour <= 10) || armour == kObsidianArmour;
    if (m.Family == kMageFamily) return armour == 1;
    return false;
}

void UpdateEquipment(int slot) {
    MemberRecord& m = Member[slot];
    m.WeaponPower = CanUseWeapon(slot, m.Weapon) ? uint8_t(WeaponPowerOf(m.Weapon, m.Class)) : uint8_t(5);
    m.ShieldValue = CanUseShield(slot) ? m.Shield : uint8_t(0);
    if (CanUseArmour(slot, m.Armour))
        m.ArmourValue = m.Armour == kObsidianArmour ? uint8_t(20) : m.Armour;
    else
        m.ArmourValue = 0;
    m.AC = uint8_t(m.BaseAC + m.ArmourValue);
}

}  // namespace vela
