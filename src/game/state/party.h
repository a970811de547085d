// The party record, the seven member records and the live position.
//
// Both records are packed, little-endian and gap-free: their byte image is
// the saved game ("player<n>.dat" = 129 party bytes, then 7 x 61 member
// bytes). Arrays inside them are indexed from 1, as the game numbers items,
// flags, skills and member slots: Party.Items[1], Party.Flags[6],
// Member[1].Skills[3].
#pragma once

#include <algorithm>
#include <cassert>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vela {

#pragma pack(push, 1)

// A record text: one length byte, then up to N Johab/ASCII bytes.
template <int N>
struct ShortString {
    uint8_t Length;
    char Text[N];

    std::string str() const { return std::string(Text, std::min<int>(Length, N)); }
    void set(std::string_view s) {
        int n = std::min<int>(int(s.size()), N);
        std::copy_n(s.data(), n, Text);
        std::fill(Text + n, Text + N, '\0');
        Length = uint8_t(n);
    }
    bool empty() const { return Length == 0; }
};

// A fixed array numbered 1..N, laid out exactly as N values.
template <typename T, int N>
struct OneBased {
    T Values[N];

    T& operator[](int k) {
        assert(k >= 1 && k <= N);
        return Values[k - 1];
    }
    const T& operator[](int k) const {
        assert(k >= 1 && k <= N);
        return Values[k - 1];
    }
    static constexpr int size() { return N; }
    T* begin() { return Values; }
    T* end() { return Values + N; }
    const T* begin() const { return Values; }
    const T* end() const { return Values + N; }
};

struct PartyRecord {
    uint16_t Year;
    int16_t Day;  // 0-based day of the year; month Day/30+1, day Day%30+1
    uint8_t Hour;
    uint8_t Minute;
    uint8_t Second;
    uint8_t MapNumber;
    uint8_t SavedX;
    uint8_t SavedY;
    uint8_t Food;
    int32_t Gold;
    uint16_t Arrows;
    uint8_t PartyChecksum;
    uint8_t MemberChecksum;
    OneBased<uint8_t, 10> Items;
    OneBased<uint8_t, 100> Flags;
};

struct MemberRecord {
    ShortString<17> Name;  // empty: the slot is empty
    uint8_t Sex;
    uint8_t Class;
    uint8_t Strength;
    uint8_t Mentality;
    uint8_t Concentration;
    uint8_t Endurance;
    uint8_t Resistance;
    uint8_t Agility;
    uint8_t Accuracy;
    uint8_t Luck;
    uint8_t Poison;
    int16_t Unconscious;
    int16_t Dead;
    int16_t HP;
    int16_t SP;
    uint8_t AC;
    uint8_t Level;
    int32_t Experience;
    int32_t TrainedExperience;
    uint8_t Weapon;
    uint8_t Shield;
    uint8_t Armour;
    uint8_t BaseAC;
    uint8_t WeaponPower;
    uint8_t ShieldValue;
    uint8_t ArmourValue;
    uint8_t Family;
    OneBased<uint8_t, 6> Skills;
};

#pragma pack(pop)

static_assert(sizeof(PartyRecord) == 129);
static_assert(offsetof(PartyRecord, Year) == 0);
static_assert(offsetof(PartyRecord, Day) == 2);
static_assert(offsetof(PartyRecord, Hour) == 4);
static_assert(offsetof(PartyRecord, Minute) == 5);
static_assert(offsetof(PartyRecord, Second) == 6);
static_assert(offsetof(PartyRecord, MapNumber) == 7);
static_assert(offsetof(PartyRecord, SavedX) == 8);
static_assert(offsetof(PartyRecord, SavedY) == 9);
static_assert(offsetof(PartyRecord, Food) == 10);
static_assert(offsetof(PartyRecord, Gold) == 11);
static_assert(offsetof(PartyRecord, Arrows) == 15);
static_assert(offsetof(PartyRecord, PartyChecksum) == 17);
static_assert(offsetof(PartyRecord, MemberChecksum) == 18);
static_assert(offsetof(PartyRecord, Items) == 19);
static_assert(offsetof(PartyRecord, Flags) == 29);

static_assert(sizeof(MemberRecord) == 61);
static_assert(offsetof(MemberRecord, Name) == 0);
static_assert(offsetof(MemberRecord, Sex) == 18);
static_assert(offsetof(MemberRecord, Class) == 19);
static_assert(offsetof(MemberRecord, Strength) == 20);
static_assert(offsetof(MemberRecord, Mentality) == 21);
static_assert(offsetof(MemberRecord, Concentration) == 22);
static_assert(offsetof(MemberRecord, Endurance) == 23);
static_assert(offsetof(MemberRecord, Resistance) == 24);
static_assert(offsetof(MemberRecord, Agility) == 25);
static_assert(offsetof(MemberRecord, Accuracy) == 26);
static_assert(offsetof(MemberRecord, Luck) == 27);
static_assert(offsetof(MemberRecord, Poison) == 28);
static_assert(offsetof(MemberRecord, Unconscious) == 29);
static_assert(offsetof(MemberRecord, Dead) == 31);
static_assert(offsetof(MemberRecord, HP) == 33);
static_assert(offsetof(MemberRecord, SP) == 35);
static_assert(offsetof(MemberRecord, AC) == 37);
static_assert(offsetof(MemberRecord, Level) == 38);
static_assert(offsetof(MemberRecord, Experience) == 39);
static_assert(offsetof(MemberRecord, TrainedExperience) == 43);
static_assert(offsetof(MemberRecord, Weapon) == 47);
static_assert(offsetof(MemberRecord, Shield) == 48);
static_assert(offsetof(MemberRecord, Armour) == 49);
static_assert(offsetof(MemberRecord, BaseAC) == 50);
static_assert(offsetof(MemberRecord, WeaponPower) == 51);
static_assert(offsetof(MemberRecord, ShieldValue) == 52);
static_assert(offsetof(MemberRecord, ArmourValue) == 53);
static_assert(offsetof(MemberRecord, Family) == 54);
static_assert(offsetof(MemberRecord, Skills) == 55);

// Member slots: 1 the hero, 2..5 recruited people, 6 the creature companion,
// 7 the swap buffer of the camp menu.
constexpr int kMemberSlots = 7;
constexpr int kHeroSlot = 1;
constexpr int kCompanionSlot = 6;
constexpr int kSwapSlot = 7;
constexpr int kLastFightingSlot = 6;  // panel, battle and the alive test use 1..6
constexpr int kLastPersonSlot = 5;    // shops, hospital and schools offer 1..5

constexpr std::size_t kPartyBytes = sizeof(PartyRecord);
constexpr std::size_t kMemberBytes = sizeof(MemberRecord) * kMemberSlots;
constexpr std::size_t kSavedGameBytes = kPartyBytes + kMemberBytes;
static_assert(kSavedGameBytes == 556);

// Families, and the weapon/shield/armour numbers creatures carry.
constexpr int kFighterFamily = 0;
constexpr int kMageFamily = 1;
constexpr int kCreatureWeapon = 50;
constexpr int kCreatureShield = 6;
constexpr int kCreatureArmour = 11;
constexpr int kObsidianArmour = 255;  // the unique armour worth 20

// Flags with a fixed meaning (Party.Flags[k]); 13..100 are event flags.
enum PartyFlag : int {
    FlagTorch = 1,           // magic torch time left; above 0 the map view is lit
    FlagWalkOnWater = 2,     // time left
    FlagWalkOnSwamp = 3,     // time left
    FlagLevitation = 4,      // time left
    FlagMindReading = 5,     // time left
    FlagPartyFate = 6,       // see PartyFate values below
    FlagTemperament = 7,     // encounter temperament (options)
    FlagMaxEnemies = 8,      // maximum enemies in a random encounter (options)
    FlagStoryObjectives = 9,
    FlagStoryStage = 10,     // 0..16
    FlagStorySubStage = 11,
    FlagBackdrop = 12,       // map backdrop mode 0..5
};

// PartyFate values.
constexpr uint8_t kFateNone = 0;     // no battle
constexpr uint8_t kFateBattle = 1;   // a battle is running (stays 1 when the party dies in it)
constexpr uint8_t kFateFled = 2;     // the party fled
constexpr uint8_t kFateLoaded = 254; // a game was just loaded
constexpr uint8_t kFateLost = 255;   // the whole party is lost

extern PartyRecord Party;
extern OneBased<MemberRecord, kMemberSlots> Member;

inline uint8_t& PartyFate() { return Party.Flags[FlagPartyFate]; }

// Live position and scratch values shared by every screen.
extern int32_t PartyX, PartyY;    // the live position; SavedX/SavedY copy it at save and load
extern int32_t StepDX, StepDY;    // the last step, -1..1
extern int32_t CurrentMember;     // member of the last member prompt, or the actor in battle
extern char SaveSlot;             // '1'..'9'
extern uint8_t LastKey;
extern int32_t MenuResult;        // last menu answer
extern std::string HeSheText;     // set by HeShe: "그녀" or "그"
extern uint8_t Acted;             // this pass of the map loop produced a step or a command
extern uint8_t PartySprite;       // the party's figure in SpriteImages
extern uint8_t SoundOn;           // footstep and battle sounds

// Zeroes the records, the position and the scratch values (SaveSlot back to
// '1', as at start-up). For tests and a fresh start.
void ResetGameState();

// The 556-byte saved-game image: the party record, then members 1..7.
std::vector<uint8_t> SavedGameImage();
// Takes an image back. A shorter image fills what it holds and leaves the
// rest of the records as they were; bytes past 556 are ignored.
void LoadSavedGameImage(std::span<const uint8_t> image);

// A member in the slot at all: it has a name, whatever its state.
bool IsPresent(int slot);
// A member who can act: has a name, is conscious, alive and has hit points.
bool IsActive(int slot);
// When nobody in slots 1..6 can act, PartyFate becomes 255 and the answer is
// false; the caller then runs the end-of-game dialog.
bool CheckPartyAlive();
// HeSheText := "그녀" when member CurrentMember is female, else "그".
void HeShe();
// Turns enemy e (1..75) into the member in the slot; Family, BaseAC,
// TrainedExperience and Skills keep what the slot held.
void JoinParty(int enemyNumber, int slot);
// New game, after character creation has set the hero's name, sex, family,
// class and attributes: empties slots 2..7, gives the hero a level-1 body and
// bare hands, and sets the party record to the start of the story.
void InitNewGame();

// Position tests on the live position and the last step.
bool StepTarget(int x, int y);  // (x, y) is the square the party just stepped towards
bool StandsAt(int x, int y);
void UndoStep();

}  // namespace vela
