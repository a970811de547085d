#include "game/state/party.h"

#include <cstring>
#include <limits>

#include "game/state/enemy_table.h"
#include "screen/johab.h"

namespace vela {

PartyRecord Party{};
OneBased<MemberRecord, kMemberSlots> Member{};

int32_t PartyX = 0, PartyY = 0;
int32_t StepDX = 0, StepDY = 0;
int32_t CurrentMember = 0;
char SaveSlot = '1';
uint8_t LastKey = 0;
int32_t MenuResult = 0;
uint8_t Acted = 0;
uint8_t PartySprite = 0;
uint8_t SoundOn = 1;
std::string HeSheText;

static_assert(sizeof(Member) == kMemberBytes);

void ResetGameState() {
    std::memset(&Party, 0, sizeof Party);
    std::memset(&Member, 0, sizeof Member);
    PartyX = PartyY = 0;
    StepDX = StepDY = 0;
    CurrentMember = 0;
    SaveSlot = '1';
    LastKey = 0;
    MenuResult = 0;
    HeSheText.clear();
}

std::vector<uint8_t> SavedGameImage() {
    std::vector<uint8_t> image(kSavedGameBytes);
    std::memcpy(image.data(), &Party, kPartyBytes);
    std::memcpy(image.data() + kPartyBytes, &Member, kMemberBytes);
    return image;
}

void LoadSavedGameImage(std::span<const uint8_t> image) {
    std::size_t partyPart = std::min(image.size(), kPartyBytes);
    std::memcpy(&Party, image.data(), partyPart);
    if (image.size() > kPartyBytes) {
        std::size_t memberPart = std::min(image.size() - kPartyBytes, kMemberBytes);
        std::memcpy(&Member, image.data() + kPartyBytes, memberPart);
    }
}

bool IsPresent(int slot) { return !Member[slot].Name.empty(); }

bool IsActive(int slot) {
    const MemberRecord& m = Member[slot];
    return !m.Name.empty() && m.Unconscious == 0 && m.Dead == 0 && m.HP > 0;
}

bool CheckPartyAlive() {
    for (int slot = 1; slot <= kLastFightingSlot; ++slot)
        if (IsActive(slot)) return true;
    PartyFate() = kFateLost;
    return false;
}

void HeShe() {
    bool female = CurrentMember >= 1 && CurrentMember <= kMemberSlots && Member[CurrentMember].Sex == 1;
    HeSheText = female ? std::string("그녀"_j) : std::string("그"_j);
}

namespace {

// Derived values that do not fit their field saturate instead of wrapping,
// so a strong creature never joins with negative hit points.
int16_t toI16(long v) {
    return int16_t(std::clamp<long>(v, std::numeric_limits<int16_t>::min(), std::numeric_limits<int16_t>::max()));
}
uint8_t toU8(long v) { return uint8_t(std::clamp<long>(v, 0, 255)); }

}  // namespace

void JoinParty(int enemyNumber, int slot) {
    const EnemyRecord& e = EnemyRecordOf(enemyNumber);
    MemberRecord& m = Member[slot];
    m.Name.set(std::string_view(e.Name, std::min<int>(e.NameLength, sizeof e.Name)));
    m.Sex = 2;
    m.Class = 0;
    m.Strength = e.Strength;
    m.Mentality = e.Mentality;
    m.Concentration = 0;
    m.Endurance = e.Endurance;
    m.Resistance = e.Resistance / 2;
    m.Agility = e.Agility;
    m.Accuracy = e.Accuracy;
    m.Luck = 10;
    m.Poison = 0;
    m.Unconscious = 0;
    m.Dead = 0;
    m.Level = e.Level;
    m.HP = toI16(long(m.Endurance) * m.Level * 10);
    m.SP = toI16(long(m.Mentality) * m.Level * 10);
    m.AC = e.ArmourClass;
    m.Weapon = kCreatureWeapon;
    m.Shield = kCreatureShield;
    m.Armour = kCreatureArmour;
    m.WeaponPower = toU8(long(m.Level) * 2 + 10);
    m.ShieldValue = 0;
    m.ArmourValue = m.AC;
    m.Experience = 0;
}

void InitNewGame() {
    for (int slot = 2; slot <= kMemberSlots; ++slot) std::memset(&Member[slot], 0, sizeof(MemberRecord));

    MemberRecord& hero = Member[kHeroSlot];
    hero.BaseAC = hero.Family == kFighterFamily ? 2 : 0;
    hero.Level = 1;
    hero.Poison = 0;
    hero.Unconscious = 0;
    hero.Dead = 0;
    hero.HP = toI16(long(hero.Endurance) * 10);
    hero.SP = hero.Family == kMageFamily ? toI16(long(hero.Mentality) * 10) : int16_t(0);
    hero.AC = 0;
    hero.Experience = 0;
    hero.TrainedExperience = 0;
    hero.Weapon = 0;
    hero.Shield = 0;
    hero.Armour = 0;
    hero.WeaponPower = 2;
    hero.ShieldValue = 0;
    hero.ArmourValue = 0;

    // The story opens in 타른 (map 6; its name kTarn lives a layer up, in
    // game/world) at (10, 48), 18 days into year 774, at 10:10.
    // The second is left as it was.
    Party.Year = 774;
    Party.Day = 18;
    Party.Hour = 10;
    Party.Minute = 10;
    Party.MapNumber = 6;
    Party.SavedX = 10;
    Party.SavedY = 48;
    Party.Food = 0;
    Party.Gold = 0;
    Party.Arrows = 0;
    Party.PartyChecksum = 0;
    Party.MemberChecksum = 0;
    for (uint8_t& count : Party.Items) count = 0;
    for (uint8_t& flag : Party.Flags) flag = 0;
}

bool StepTarget(int x, int y) { return x == PartyX + StepDX && y == PartyY + StepDY; }

bool StandsAt(int x, int y) { return x == PartyX && y == PartyY; }

void UndoStep() {
    PartyX -= StepDX;
    PartyY -= StepDY;
}

}  // namespace vela
