// Equipment rules, the level table, class qualification and the clock.
#pragma once

#include <array>
#include <cstdint>

namespace vela {

// Weapon power of weapons 1..28 for fighter classes 1..7, kept in four
// groups of seven weapons (cutting, chopping, stabbing, shooting):
// WeaponPowerTable[(weapon-1)/7][(weapon-1)%7][class-1].
extern const std::array<std::array<std::array<uint8_t, 7>, 7>, 4> WeaponPowerTable;
// The table entry for a weapon 1..28 and class 1..7; 0 outside.
int WeaponPowerOf(int weapon, int cls);

// n / d rounded to nearest, ties to even; n >= 0, d > 0.
int RoundHalfEven(long long n, long long d);

// Only the fighter family takes up arms; the mage family may wear armour 1
// and nothing else; other families use nothing.
bool CanUseWeapon(int slot, int weapon);
bool CanUseShield(int slot);
bool CanUseArmour(int slot, int armour);
// Recomputes WeaponPower, ShieldValue, ArmourValue and AC; every change of
// Weapon, Shield, Armour or Class is followed by it.
void UpdateEquipment(int slot);

// TrainedExperience needed for a level 1..40; 0 for any other level.
int32_t LevelExperience(int level);
constexpr int kMaxLevel = 40;

// Whether every skill of the member reaches the minimum for the class
// (1..7) of its family; members outside the fighter family are judged as
// mages.
bool ClassQualifies(int slot, int cls);
extern const std::array<std::array<uint8_t, 6>, 7> FighterClassMinima;  // class k at k-1
extern const std::array<std::array<uint8_t, 6>, 7> MageClassMinima;

// Advances the clock by non-negative parts, carrying seconds into minutes,
// minutes into hours, hours into days and days past 360 into years. Day 360
// itself is kept (it reads as month 13, day 1).
void AddTime(int hours, int minutes, int seconds);

}  // namespace vela
