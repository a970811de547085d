// The enemy table: 75 records of 29 bytes read once from "foedata.dat".
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace vela {

#pragma pack(push, 1)
struct EnemyRecord {
    uint8_t NameLength;  // 0..16
    char Name[16];       // Johab; only the first NameLength bytes count
    uint8_t Strength;
    uint8_t Mentality;
    uint8_t Endurance;
    uint8_t Resistance;  // percent chance to block a blow or spell
    uint8_t Agility;
    uint8_t Accuracy;
    uint8_t MagicAccuracy;
    uint8_t ArmourClass;
    uint8_t SpecialAttack;   // 0 none, 1 poison, 2 knock-out, 3 death
    uint8_t MagicLevel;      // 0 none, 1..6
    uint8_t SpecialAbility;  // 0 none, 1 call-up, 2 also wins member 6 over, 3 also death on all
    uint8_t Level;
};
#pragma pack(pop)
static_assert(sizeof(EnemyRecord) == 29);
static_assert(offsetof(EnemyRecord, Strength) == 17);
static_assert(offsetof(EnemyRecord, Level) == 28);

constexpr int kEnemyCount = 75;
inline constexpr const char* kEnemyFile = "foedata.dat";
extern std::array<EnemyRecord, kEnemyCount> EnemyTable;

// Reads "foedata.dat" from the current directory. A missing file, a short
// one or one with a record outside the limits of enemy_rules.h is reported
// and halts, leaving the table as it was.
void LoadEnemyTable();
// Record n, 1..75.
const EnemyRecord& EnemyRecordOf(int n);

}  // namespace vela
