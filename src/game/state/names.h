// The game's fixed name tables and the operations that name members, arms,
// armour, items and spells. All texts are Johab byte strings.
#pragma once

#include <array>
#include <string>

namespace vela {

constexpr int kWeaponNames = 50;  // 0..49; 50 and above show the fallback
constexpr int kShieldNames = 6;   // 0..5
constexpr int kArmourNames = 11;  // 0..10, plus 255
constexpr int kItemNames = 10;    // 1..10, the order of Party.Items
constexpr int kSpellSchools = 7;  // 0..6
constexpr int kSpellsPerSchool = 10;

// Tables, 0-based as stored; the operations below apply the fallbacks.
extern const std::array<std::string, 3> SexNames;
extern const std::array<std::string, 7> FamilyNames;         // index 3 holds the fallback
extern const std::array<std::string, 7> FighterClassNames;   // classes 1..7 at 0..6, as shown in the panels
extern const std::array<std::string, 7> MageClassNames;
extern const std::array<std::string, 7> FighterClassNamesPlain;  // without inner blanks, for the class-change screens
extern const std::array<std::string, 7> MageClassNamesPlain;
extern const std::array<std::string, kWeaponNames> WeaponNames;
extern const std::array<std::string, kShieldNames> ShieldNames;
extern const std::array<std::string, kArmourNames> ArmourNames;  // 255 is ObsidianArmourName
extern const std::string ObsidianArmourName;
extern const std::array<std::string, kItemNames> ItemNames;     // item k at k-1
extern const std::array<std::array<std::string, kSpellsPerSchool>, kSpellSchools> SpellNames;  // spell k at k-1

// Shown for numbers outside the tables.
extern const std::string UnknownName;         // "불확실함"
extern const std::string UnknownWeaponName;   // "불확실한 무기"
extern const std::string UnknownSpellName;    // "알수 없는 마법"

// Condition words of StatusName.
extern const std::string StatusDead;          // "죽은 상태"
extern const std::string StatusUnconscious;   // "의식 불명"
extern const std::string StatusPoisoned;      // "   중독"
extern const std::string StatusGood;          // "   좋음"

// The member's condition. First settles it: no hit points left makes an
// awake member unconscious, and unconsciousness deeper than
// Endurance x Level makes a living member dead.
std::string StatusName(int slot);

std::string SexName(int slot);     // empty for a sex other than 0..2
std::string FamilyName(int slot);
std::string ClassName(int slot);
// Class names for the class-change screens ("투사", not "투  사").
std::string PlainClassName(int family, int cls);

std::string WeaponName(int weapon);
std::string ShieldName(int shield);
std::string ArmourName(int armour);
std::string SpellName(int school, int spell);

// Item 1..10; empty outside.
std::string ItemName(int item);

}  // namespace vela
