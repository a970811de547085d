// The limits the battle code relies on in every enemy record, and the gold a
// foe is worth. Header-only, shared by the game's loader and the data
// builder: a table the builder writes is one the game accepts, and a table
// the game accepts cannot break a fight.
#pragma once

#include <algorithm>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "game/state/enemy_table.h"

namespace vela {

// The gold the party wins for one foe: ArmourClass (at least 1) x Level³.
constexpr int64_t EnemyGold(const EnemyRecord& r) {
    int64_t level = r.Level;
    return int64_t(std::max<int>(r.ArmourClass, 1)) * level * level * level;
}

struct EnemyStatLimit {
    const char* name;
    uint8_t EnemyRecord::*field;
    int lowest, highest;
    const char* why;
};

inline constexpr EnemyStatLimit kEnemyStatLimits[] = {
    {"SpecialAttack", &EnemyRecord::SpecialAttack, 0, 3, "none, poison, knock-out, death"},
    {"MagicLevel", &EnemyRecord::MagicLevel, 0, 6, "spell behaviours 1..6"},
    {"SpecialAbility", &EnemyRecord::SpecialAbility, 0, 3, "call-up, companion theft, death to all"},
    {"Resistance", &EnemyRecord::Resistance, 0, 99, "a percent chance to block"},
    {"Level", &EnemyRecord::Level, 1, 255, "hit points, damage and gold scale with it"},
};

// Enemies that can become member 6: the mind-reading set, plus the stranger
// who joins in Tarn (52). A member's hit and magic points are signed 16-bit.
inline constexpr int kCompanionRecords[] = {6, 10, 20, 24, 27, 29, 33, 35, 40, 47, 52, 53, 62, 70};

// What is wrong with record `number` (1..75), one sentence per broken rule;
// empty when the battle code can use it.
inline std::vector<std::string> EnemyRecordFaults(int number, const EnemyRecord& r) {
    std::vector<std::string> faults;
    if (r.NameLength < 1 || r.NameLength > sizeof r.Name)
        faults.push_back("name length " + std::to_string(r.NameLength) + " outside 1.." +
                         std::to_string(sizeof r.Name));
    for (const EnemyStatLimit& limit : kEnemyStatLimits) {
        int v = r.*limit.field;
        if (v < limit.lowest || v > limit.highest)
            faults.push_back(std::string(limit.name) + " " + std::to_string(v) + " outside " +
                             std::to_string(limit.lowest) + ".." + std::to_string(limit.highest) + " (" +
                             limit.why + ")");
    }
    // A call-up brings enemy number - 20 + random(4) into the fight.
    if (r.SpecialAbility >= 1 && (number - 20 < 1 || number - 17 > kEnemyCount))
        faults.push_back("SpecialAbility " + std::to_string(r.SpecialAbility) + " would call up enemies " +
                         std::to_string(number - 20) + ".." + std::to_string(number - 17) +
                         "; only enemies 21..75 may call up others");
    // The gold of a full group of eight must fit the party's signed 32-bit gold.
    if (EnemyGold(r) * 8 > std::numeric_limits<int32_t>::max())
        faults.push_back("gold reward " + std::to_string(EnemyGold(r)) + " is too large for a group of eight");
    if (std::find(std::begin(kCompanionRecords), std::end(kCompanionRecords), number) != std::end(kCompanionRecords))
        for (auto [name, value] : {std::pair{"Endurance", r.Endurance}, std::pair{"Mentality", r.Mentality}}) {
            int points = value * r.Level * 10;
            if (points > std::numeric_limits<int16_t>::max())
                faults.push_back(std::string("as a companion, ") + name + " x Level x 10 = " +
                                 std::to_string(points) + " overflows a member's 16-bit points");
        }
    return faults;
}

}  // namespace vela
