// The party and member records, their saved-game image, names, equipment,
// rules, the clock, the random generator and the JSON state dump.
#include <gtest/gtest.h>

#include <cctype>
#include <cstdio>
#include <cstring>
#include <map>
#include <memory>
#include <set>
#include <stdexcept>
#include <string>
#include <variant>
#include <vector>

#include "game/state/enemy_table.h"
#include "game/state/names.h"
#include "game/state/party.h"
#include "game/state/random.h"
#include "game/state/rules.h"
#include "game/state/state_json.h"
#include "game/world/map_catalogue.h"
#include "screen/johab.h"

using namespace vela;

namespace {

std::string J(std::string_view utf8) { return Utf8ToJohab(utf8); }
std::string U(const std::string& johab) { return JohabToUtf8(johab); }

class GameState : public ::testing::Test {
protected:
    void SetUp() override { ResetGameState(); }
    void TearDown() override { ResetGameState(); }
};

void put16(std::vector<uint8_t>& b, std::size_t at, uint16_t v) {
    b[at] = uint8_t(v);
    b[at + 1] = uint8_t(v >> 8);
}
void put32(std::vector<uint8_t>& b, std::size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i) b[at + i] = uint8_t(v >> (8 * i));
}

MemberRecord& makeMember(int slot, int family, int cls) {
    MemberRecord& m = Member[slot];
    m.Name.set(J("시험"));
    m.Family = uint8_t(family);
    m.Class = uint8_t(cls);
    m.Endurance = 10;
    m.Level = 1;
    m.HP = 100;
    return m;
}

}  // namespace

// ---------------------------------------------------------------- records

TEST_F(GameState, SavedImageFieldsSitAtTheirFileOffsets) {
    std::vector<uint8_t> image(556, 0);
    put16(image, 0, 774);
    put16(image, 2, uint16_t(-2));
    image[4] = 23;
    image[5] = 58;
    image[6] = 7;
    image[7] = 18;
    image[8] = 200;
    image[9] = 101;
    image[10] = 250;
    put32(image, 11, uint32_t(-5000));
    put16(image, 15, 65000);
    image[17] = 0xA5;
    image[18] = 0x5A;
    image[19] = 11;   // Items[1]
    image[28] = 22;   // Items[10]
    image[29] = 5;    // Flags[1], torch
    image[34] = 254;  // Flags[6], PartyFate
    image[40] = 3;    // Flags[12], backdrop
    image[128] = 99;  // Flags[100]

    const std::size_t m1 = 129, m7 = 129 + 6 * 61;
    image[m1] = 3;
    std::memcpy(&image[m1 + 1], "Ari", 3);
    image[m1 + 18] = 1;   // Sex
    image[m1 + 19] = 7;   // Class
    image[m1 + 20] = 31;  // Strength
    image[m1 + 27] = 38;  // Luck
    image[m1 + 28] = 4;   // Poison
    put16(image, m1 + 29, 3);
    put16(image, m1 + 31, 2);
    put16(image, m1 + 33, uint16_t(-12));
    put16(image, m1 + 35, 345);
    image[m1 + 37] = 9;
    image[m1 + 38] = 40;
    put32(image, m1 + 39, uint32_t(-1));
    put32(image, m1 + 43, 70000000);
    image[m1 + 47] = 26;
    image[m1 + 48] = 5;
    image[m1 + 49] = 255;
    image[m1 + 50] = 2;
    image[m1 + 51] = 45;
    image[m1 + 52] = 5;
    image[m1 + 53] = 20;
    image[m1 + 54] = 1;
    image[m1 + 55] = 61;  // Skills[1]
    image[m1 + 60] = 66;  // Skills[6]
    image[m7 + 18] = 2;
    image[m7 + 60] = 77;
    image[555] = 77;

    LoadSavedGameImage(image);

    EXPECT_EQ(+Party.Year, 774);
    EXPECT_EQ(+Party.Day, -2);
    EXPECT_EQ(Party.Hour, 23);
    EXPECT_EQ(Party.Minute, 58);
    EXPECT_EQ(Party.Second, 7);
    EXPECT_EQ(Party.MapNumber, 18);
    EXPECT_EQ(Party.SavedX, 200);
    EXPECT_EQ(Party.SavedY, 101);
    EXPECT_EQ(Party.Food, 250);
    EXPECT_EQ(+Party.Gold, -5000);
    EXPECT_EQ(+Party.Arrows, 65000);
    EXPECT_EQ(Party.PartyChecksum, 0xA5);
    EXPECT_EQ(Party.MemberChecksum, 0x5A);
    EXPECT_EQ(Party.Items[1], 11);
    EXPECT_EQ(Party.Items[10], 22);
    EXPECT_EQ(Party.Flags[FlagTorch], 5);
    EXPECT_EQ(PartyFate(), kFateLoaded);
    EXPECT_EQ(Party.Flags[FlagBackdrop], 3);
    EXPECT_EQ(Party.Flags[100], 99);

    const MemberRecord& a = Member[1];
    EXPECT_EQ(a.Name.str(), "Ari");
    EXPECT_EQ(a.Sex, 1);
    EXPECT_EQ(a.Class, 7);
    EXPECT_EQ(a.Strength, 31);
    EXPECT_EQ(a.Luck, 38);
    EXPECT_EQ(a.Poison, 4);
    EXPECT_EQ(+a.Unconscious, 3);
    EXPECT_EQ(+a.Dead, 2);
    EXPECT_EQ(+a.HP, -12);
    EXPECT_EQ(+a.SP, 345);
    EXPECT_EQ(a.AC, 9);
    EXPECT_EQ(a.Level, 40);
    EXPECT_EQ(+a.Experience, -1);
    EXPECT_EQ(+a.TrainedExperience, 70000000);
    EXPECT_EQ(a.Weapon, 26);
    EXPECT_EQ(a.Shield, 5);
    EXPECT_EQ(a.Armour, 255);
    EXPECT_EQ(a.BaseAC, 2);
    EXPECT_EQ(a.WeaponPower, 45);
    EXPECT_EQ(a.ShieldValue, 5);
    EXPECT_EQ(a.ArmourValue, 20);
    EXPECT_EQ(a.Family, 1);
    EXPECT_EQ(a.Skills[1], 61);
    EXPECT_EQ(a.Skills[6], 66);
    EXPECT_EQ(Member[7].Sex, 2);
    EXPECT_EQ(Member[7].Skills[6], 77);

    EXPECT_EQ(SavedGameImage(), image);
}

TEST_F(GameState, ShortImageKeepsWhatItDoesNotCover) {
    Party.Gold = 1234;
    Member[3].HP = 77;
    std::vector<uint8_t> image(129 + 61, 0);
    image[7] = 9;
    image[129 + 38] = 5;
    LoadSavedGameImage(image);
    EXPECT_EQ(Party.MapNumber, 9);
    EXPECT_EQ(+Party.Gold, 0);
    EXPECT_EQ(Member[1].Level, 5);
    EXPECT_EQ(+Member[3].HP, 77);

    Party.Gold = 1234;
    LoadSavedGameImage(std::vector<uint8_t>(10, 0));  // offsets 0..9 only
    EXPECT_EQ(Party.MapNumber, 0);
    EXPECT_EQ(+Party.Gold, 1234);
    EXPECT_EQ(Member[1].Level, 5);
}

TEST_F(GameState, NameFieldTruncatesToSeventeenBytes) {
    Member[2].Name.set(J("가나다라마바사아자"));  // 18 bytes
    EXPECT_EQ(Member[2].Name.Length, 17);
    EXPECT_EQ(Member[2].Name.str().size(), 17u);
    Member[2].Name.set("Bo");
    EXPECT_EQ(Member[2].Name.str(), "Bo");
    EXPECT_EQ(SavedGameImage()[129 + 61], 2);
}

TEST_F(GameState, ResetClearsRecordsAndScratch) {
    Party.Gold = 5;
    Member[7].Luck = 3;
    PartyX = 4;
    CurrentMember = 2;
    SaveSlot = '5';
    MenuResult = 3;
    ResetGameState();
    EXPECT_EQ(SavedGameImage(), std::vector<uint8_t>(556, 0));
    EXPECT_EQ(PartyX, 0);
    EXPECT_EQ(CurrentMember, 0);
    EXPECT_EQ(SaveSlot, '1');
    EXPECT_EQ(MenuResult, 0);
}

// ---------------------------------------------------------------- conditions

TEST_F(GameState, StatusSettlesUnconsciousThenDead) {
    MemberRecord& m = makeMember(1, kFighterFamily, 1);
    m.Endurance = 2;
    m.Level = 3;
    m.HP = 0;
    EXPECT_EQ(U(StatusName(1)), "의식 불명");
    EXPECT_EQ(+m.Unconscious, 1);
    EXPECT_EQ(+m.Dead, 0);

    m.Unconscious = 6;  // equal to Endurance x Level: still alive
    EXPECT_EQ(U(StatusName(1)), "의식 불명");
    EXPECT_EQ(+m.Dead, 0);

    m.Unconscious = 7;
    EXPECT_EQ(U(StatusName(1)), "죽은 상태");
    EXPECT_EQ(+m.Dead, 1);
    m.Dead = 4;
    StatusName(1);
    EXPECT_EQ(+m.Dead, 4);  // an existing depth of death is kept
}

TEST_F(GameState, StatusWordsKeepTheirLeadingBlanks) {
    MemberRecord& m = makeMember(2, kMageFamily, 1);
    EXPECT_EQ(StatusName(2), J("   좋음"));
    m.Poison = 1;
    EXPECT_EQ(StatusName(2), J("   중독"));
    EXPECT_EQ(+m.Unconscious, 0);
}

TEST_F(GameState, ActiveMembersAndTheAliveCheck) {
    EXPECT_FALSE(IsActive(1));  // empty slot
    MemberRecord& m = makeMember(1, kFighterFamily, 1);
    EXPECT_TRUE(IsActive(1));
    m.HP = 0;
    EXPECT_FALSE(IsActive(1));
    m.HP = 5;
    m.Unconscious = 1;
    EXPECT_FALSE(IsActive(1));
    m.Unconscious = 0;
    m.Dead = 1;
    EXPECT_FALSE(IsActive(1));

    // A living member in slot 6 keeps the party going; with nobody able to
    // act the check says so and the party is lost.
    makeMember(6, 2, 0);
    PartyFate() = kFateBattle;
    EXPECT_TRUE(CheckPartyAlive());
    EXPECT_EQ(PartyFate(), kFateBattle);
    Member[6].Unconscious = 1;
    EXPECT_FALSE(CheckPartyAlive());
    EXPECT_EQ(PartyFate(), kFateLost);
}

TEST_F(GameState, HeSheFollowsTheCurrentMember) {
    makeMember(3, kFighterFamily, 1).Sex = 1;
    CurrentMember = 3;
    HeShe();
    EXPECT_EQ(U(HeSheText), "그녀");
    Member[3].Sex = 0;
    HeShe();
    EXPECT_EQ(U(HeSheText), "그");
    Member[3].Sex = 2;
    HeShe();
    EXPECT_EQ(U(HeSheText), "그");
}

// ---------------------------------------------------------------- names

TEST_F(GameState, MemberNamesAndTheirFallbacks) {
    MemberRecord& m = makeMember(1, kFighterFamily, 1);
    EXPECT_EQ(U(ClassName(1)), "투  사");
    EXPECT_EQ(U(PlainClassName(0, 1)), "투사");
    EXPECT_EQ(U(PlainClassName(0, 7)), "전사");
    m.Class = 7;
    EXPECT_EQ(U(ClassName(1)), "전  사");
    m.Family = kMageFamily;
    EXPECT_EQ(U(ClassName(1)), "타임워커");
    m.Class = 0;
    EXPECT_EQ(U(ClassName(1)), "불확실함");
    m.Class = 3;
    m.Family = 2;
    EXPECT_EQ(U(ClassName(1)), "불확실함");
    EXPECT_EQ(U(FamilyName(1)), "정령계");
    m.Family = 3;
    EXPECT_EQ(U(FamilyName(1)), "불확실함");
    m.Family = 6;
    EXPECT_EQ(U(FamilyName(1)), "드래곤족");
    m.Family = 7;
    EXPECT_EQ(U(FamilyName(1)), "불확실함");

    m.Sex = 2;
    EXPECT_EQ(U(SexName(1)), "중성");
    m.Sex = 3;
    EXPECT_EQ(SexName(1), "");
}

TEST_F(GameState, ArmsItemsAndSpellNames) {
    EXPECT_EQ(U(WeaponName(0)), "맨손");
    EXPECT_EQ(U(WeaponName(14)), "핼버드");
    EXPECT_EQ(U(WeaponName(28)), "아르발레스트");
    EXPECT_EQ(U(WeaponName(49)), "냉동 가스");
    EXPECT_EQ(U(WeaponName(50)), "불확실한 무기");
    EXPECT_EQ(U(ShieldName(5)), "플래티움 방패");
    EXPECT_EQ(U(ShieldName(6)), "불확실함");
    EXPECT_EQ(U(ArmourName(10)), "플래티움 갑옷");
    EXPECT_EQ(U(ArmourName(11)), "불확실함");
    EXPECT_EQ(U(ArmourName(254)), "불확실함");
    EXPECT_EQ(U(ArmourName(255)), "흑요석 갑옷");
    EXPECT_EQ(U(ItemName(1)), "체력 회복약");
    EXPECT_EQ(U(ItemName(10)), "이동 구슬");
    EXPECT_EQ(U(SpellName(0, 10)), "필멸 주문");
    EXPECT_EQ(U(SpellName(6, 10)), "라이칸스로프 소환");
    EXPECT_EQ(U(SpellName(6, 11)), "알수 없는 마법");
}

// ---------------------------------------------------------------- equipment

TEST_F(GameState, ObsidianArmourIsWorthTwentyToFightersOnly) {
    MemberRecord& f = makeMember(1, kFighterFamily, 3);
    f.BaseAC = 2;
    f.Armour = kObsidianArmour;
    UpdateEquipment(1);
    EXPECT_EQ(f.ArmourValue, 20);
    EXPECT_EQ(f.AC, 22);

    MemberRecord& m = makeMember(2, kMageFamily, 3);
    m.Armour = kObsidianArmour;
    UpdateEquipment(2);
    EXPECT_EQ(m.ArmourValue, 0);
    EXPECT_EQ(m.AC, 0);
    m.Armour = 1;
    UpdateEquipment(2);
    EXPECT_EQ(m.ArmourValue, 1);
    m.Armour = 2;
    UpdateEquipment(2);
    EXPECT_EQ(m.ArmourValue, 0);
}

TEST_F(GameState, WeaponPowerComesFromClassAndGroup) {
    struct Case {
        int cls, weapon, power;
        const char* what;
    } cases[] = {
        {4, 26, 55, "사냥꾼 with 활"},
        {4, 28, 85, "사냥꾼 with 아르발레스트"},
        {4, 9, 37, "사냥꾼 with 소형 도끼"},
        {4, 1, 5, "cutting weapons are not for hunters"},
        {3, 4, 50, "검사 with 신월도"},
        {6, 15, 20, "암살자 with 단도"},
        {6, 0, 5, "bare hands"},
        {6, 29, 5, "no such weapon"},
    };
    for (const Case& c : cases) {
        MemberRecord& m = makeMember(1, kFighterFamily, c.cls);
        m.Weapon = uint8_t(c.weapon);
        UpdateEquipment(1);
        EXPECT_EQ(m.WeaponPower, c.power) << c.what;
    }
}

TEST_F(GameState, MonksAndMagesFightBareHanded) {
    MemberRecord& monk = makeMember(1, kFighterFamily, 5);
    for (int w = 0; w <= 50; ++w) {
        EXPECT_FALSE(CanUseWeapon(1, w)) << w;
        monk.Weapon = uint8_t(w);
        UpdateEquipment(1);
        EXPECT_EQ(monk.WeaponPower, 5) << w;
    }
    MemberRecord& mage = makeMember(2, kMageFamily, 7);
    mage.Weapon = 6;
    UpdateEquipment(2);
    EXPECT_EQ(mage.WeaponPower, 5);
}

TEST_F(GameState, ShieldsCountOnlyForShieldClassesAndNotInArmourClass) {
    struct Case {
        int family, cls, shieldValue;
    } cases[] = {{kFighterFamily, 2, 3}, {kFighterFamily, 4, 0}, {kFighterFamily, 7, 3}, {kMageFamily, 7, 0}};
    for (const Case& c : cases) {
        MemberRecord& m = makeMember(1, c.family, c.cls);
        m.Shield = 3;
        m.BaseAC = 2;
        m.Armour = 4;
        UpdateEquipment(1);
        EXPECT_EQ(m.ShieldValue, c.shieldValue) << c.family << " " << c.cls;
        if (c.family == kFighterFamily) {
            EXPECT_EQ(m.AC, 6) << "base 2 and armour 4, no shield";
        }
    }
}

TEST_F(GameState, CreaturesUseNoArms) {
    makeMember(6, 4, 0);
    EXPECT_FALSE(CanUseWeapon(6, 1));
    EXPECT_FALSE(CanUseShield(6));
    EXPECT_FALSE(CanUseArmour(6, 1));
    EXPECT_FALSE(CanUseArmour(6, 255));
    makeMember(1, kFighterFamily, 1);
    EXPECT_FALSE(CanUseArmour(1, 0));
    EXPECT_FALSE(CanUseArmour(1, 11));
    EXPECT_TRUE(CanUseArmour(1, 10));
}

// ---------------------------------------------------------------- rules

TEST_F(GameState, LevelTable) {
    EXPECT_EQ(LevelExperience(1), 0);
    EXPECT_EQ(LevelExperience(2), 1500);
    EXPECT_EQ(LevelExperience(11), 1320000);
    EXPECT_EQ(LevelExperience(31), 25000000);
    EXPECT_EQ(LevelExperience(40), 70000000);
    EXPECT_EQ(LevelExperience(0), 0);
    EXPECT_EQ(LevelExperience(41), 0);
    for (int level = 2; level <= 40; ++level) EXPECT_LT(LevelExperience(level - 1), LevelExperience(level)) << level;
}

TEST_F(GameState, ClassQualificationByFamilyColumn) {
    MemberRecord& f = makeMember(1, kFighterFamily, 1);
    f.Skills[1] = 39;
    EXPECT_FALSE(ClassQualifies(1, 3));
    f.Skills[1] = 40;
    EXPECT_TRUE(ClassQualifies(1, 3));
    EXPECT_FALSE(ClassQualifies(1, 5));
    f.Skills[6] = 40;
    EXPECT_TRUE(ClassQualifies(1, 5));
    EXPECT_FALSE(ClassQualifies(1, 0));
    EXPECT_FALSE(ClassQualifies(1, 8));

    // A creature is judged by the mage column: mage class 2 needs 10 in
    // skills 2, 3 and 6.
    MemberRecord& c = makeMember(6, 5, 0);
    c.Skills[2] = c.Skills[3] = c.Skills[6] = 10;
    EXPECT_TRUE(ClassQualifies(6, 2));
    c.Family = kFighterFamily;
    EXPECT_FALSE(ClassQualifies(6, 2));
}

// ---------------------------------------------------------------- clock

TEST_F(GameState, ClockCarriesUpToTheYear) {
    Party.Year = 774;
    Party.Day = 359;
    Party.Hour = 23;
    Party.Minute = 30;
    AddTime(1, 0, 0);
    EXPECT_EQ(+Party.Day, 360);
    EXPECT_EQ(+Party.Year, 774);
    EXPECT_EQ(Party.Hour, 0);
    Party.Hour = 23;
    AddTime(1, 0, 0);
    EXPECT_EQ(+Party.Day, 1);
    EXPECT_EQ(+Party.Year, 775);

    Party.Hour = 23;
    Party.Minute = 59;
    Party.Second = 59;
    AddTime(0, 0, 1);
    EXPECT_EQ(Party.Second, 0);
    EXPECT_EQ(Party.Minute, 0);
    EXPECT_EQ(Party.Hour, 0);
    EXPECT_EQ(+Party.Day, 2);
}

TEST_F(GameState, LongRestsDoNotLoseTime) {
    Party.Day = 10;
    Party.Minute = 50;
    AddTime(0, 300, 0);  // five hours as minutes
    EXPECT_EQ(Party.Hour, 5);
    EXPECT_EQ(Party.Minute, 50);
    AddTime(24 * 400, 0, 0);
    EXPECT_EQ(+Party.Day, 50);
    EXPECT_EQ(+Party.Year, 1);
    AddTime(24 * 670, 0, 0);  // lands on day 720: one year on, day 360 of it
    EXPECT_EQ(+Party.Day, 360);
    EXPECT_EQ(+Party.Year, 2);
}

// ---------------------------------------------------------------- joining and new game

TEST_F(GameState, CreatureJoinsFromItsEnemyRecord) {
    EnemyRecord& e = EnemyTable[4];  // enemy 5
    e = EnemyRecord{};
    std::string name = J("거인");
    e.NameLength = uint8_t(name.size());
    std::memcpy(e.Name, name.data(), name.size());
    e.Strength = 40;
    e.Mentality = 12;
    e.Endurance = 30;
    e.Resistance = 45;
    e.Agility = 15;
    e.Accuracy = 16;
    e.ArmourClass = 7;
    e.Level = 8;

    MemberRecord& m = Member[6];
    m.Family = 4;
    m.BaseAC = 3;
    m.TrainedExperience = 99;
    m.Skills[2] = 17;
    m.Experience = 500;
    m.Concentration = 9;
    JoinParty(5, 6);

    EXPECT_EQ(U(m.Name.str()), "거인");
    EXPECT_EQ(m.Sex, 2);
    EXPECT_EQ(m.Class, 0);
    EXPECT_EQ(m.Strength, 40);
    EXPECT_EQ(m.Concentration, 0);
    EXPECT_EQ(m.Resistance, 22);
    EXPECT_EQ(m.Luck, 10);
    EXPECT_EQ(m.Level, 8);
    EXPECT_EQ(+m.HP, 2400);
    EXPECT_EQ(+m.SP, 960);
    EXPECT_EQ(m.AC, 7);
    EXPECT_EQ(m.ArmourValue, 7);
    EXPECT_EQ(m.Weapon, kCreatureWeapon);
    EXPECT_EQ(m.Shield, kCreatureShield);
    EXPECT_EQ(m.Armour, kCreatureArmour);
    EXPECT_EQ(m.WeaponPower, 26);
    EXPECT_EQ(+m.Experience, 0);
    EXPECT_EQ(m.Family, 4);
    EXPECT_EQ(m.BaseAC, 3);
    EXPECT_EQ(+m.TrainedExperience, 99);
    EXPECT_EQ(m.Skills[2], 17);
    EXPECT_TRUE(IsActive(6));
    EXPECT_EQ(U(WeaponName(m.Weapon)), "불확실한 무기");
    EnemyTable[4] = EnemyRecord{};
}

TEST_F(GameState, NewGameStartsTheHeroAndTheStory) {
    MemberRecord& hero = makeMember(1, kMageFamily, 1);
    hero.Endurance = 12;
    hero.Mentality = 14;
    hero.HP = 3;
    hero.Weapon = 5;
    hero.Experience = 10;
    for (int slot = 2; slot <= 7; ++slot) makeMember(slot, kFighterFamily, 1);
    Party.Second = 42;
    Party.Gold = 999;
    Party.Flags[10] = 6;
    Party.Items[3] = 2;

    InitNewGame();

    EXPECT_EQ(U(hero.Name.str()), "시험");
    EXPECT_EQ(hero.BaseAC, 0);
    EXPECT_EQ(hero.Level, 1);
    EXPECT_EQ(+hero.HP, 120);
    EXPECT_EQ(+hero.SP, 140);
    EXPECT_EQ(hero.Weapon, 0);
    EXPECT_EQ(hero.WeaponPower, 2);
    EXPECT_EQ(+hero.Experience, 0);
    for (int slot = 2; slot <= 7; ++slot) EXPECT_TRUE(Member[slot].Name.empty()) << slot;
    std::vector<uint8_t> image = SavedGameImage();
    for (std::size_t i = 129 + 61; i < 556; ++i) ASSERT_EQ(image[i], 0) << i;

    EXPECT_EQ(+Party.Year, 774);
    EXPECT_EQ(+Party.Day, 18);
    EXPECT_EQ(Party.Hour, 10);
    EXPECT_EQ(Party.Minute, 10);
    EXPECT_EQ(Party.Second, 42);
    EXPECT_EQ(Party.MapNumber, kTarn);
    EXPECT_EQ(Party.SavedX, 10);
    EXPECT_EQ(Party.SavedY, 48);
    EXPECT_EQ(+Party.Gold, 0);
    EXPECT_EQ(Party.Flags[10], 0);
    EXPECT_EQ(Party.Items[3], 0);

    hero.Family = kFighterFamily;
    InitNewGame();
    EXPECT_EQ(hero.BaseAC, 2);
    EXPECT_EQ(+hero.SP, 0);
}

// ---------------------------------------------------------------- position

TEST_F(GameState, StepTestsAndUndo) {
    PartyX = 10;
    PartyY = 20;
    StepDX = -1;
    StepDY = 0;
    EXPECT_TRUE(StepTarget(9, 20));
    EXPECT_FALSE(StepTarget(10, 20));
    EXPECT_TRUE(StandsAt(10, 20));
    UndoStep();
    EXPECT_TRUE(StandsAt(11, 20));
}

// ---------------------------------------------------------------- random

TEST(RandomGenerator, SeedGivesTheSameSequenceAndRandomizeKeepsIt) {
    SeedRandom(1234);
    std::vector<int> first;
    for (int i = 0; i < 50; ++i) first.push_back(Random(1000));
    SeedRandom(1234);
    Randomize();  // a seeded run stays seeded
    std::vector<int> again;
    for (int i = 0; i < 50; ++i) again.push_back(Random(1000));
    EXPECT_EQ(first, again);
    SeedRandom(1235);
    std::vector<int> other;
    for (int i = 0; i < 50; ++i) other.push_back(Random(1000));
    EXPECT_NE(first, other);
}

TEST(RandomGenerator, StaysInRangeAndIsEven) {
    SeedRandom(7);
    EXPECT_EQ(Random(0), 0);
    EXPECT_EQ(Random(-5), 0);
    EXPECT_EQ(Random(1), 0);
    int counts[6] = {};
    for (int i = 0; i < 60000; ++i) {
        int r = Random(6);
        ASSERT_GE(r, 0);
        ASSERT_LT(r, 6);
        ++counts[r];
    }
    for (int c : counts) {
        EXPECT_GT(c, 9500);
        EXPECT_LT(c, 10500);
    }
    std::set<int> seen;
    for (int i = 0; i < 2000; ++i) seen.insert(Random(100));
    EXPECT_EQ(seen.size(), 100u);
}

// ---------------------------------------------------------------- JSON dump

namespace {

// Just enough JSON to check the dump's shape.
struct Json {
    std::variant<std::nullptr_t, double, std::string, std::vector<Json>, std::map<std::string, Json>> v;
    const Json& operator[](const std::string& k) const { return std::get<4>(v).at(k); }
    const Json& operator[](std::size_t i) const { return std::get<3>(v).at(i); }
    double num() const { return std::get<1>(v); }
    const std::string& str() const { return std::get<2>(v); }
    std::size_t size() const { return v.index() == 3 ? std::get<3>(v).size() : std::get<4>(v).size(); }
};

struct JsonParser {
    std::string_view s;
    std::size_t i = 0;
    void ws() {
        while (i < s.size() && std::isspace(static_cast<unsigned char>(s[i]))) ++i;
    }
    void expect(char c) {
        ws();
        if (i >= s.size() || s[i] != c) throw std::runtime_error(std::string("expected ") + c + " at " + std::to_string(i));
        ++i;
    }
    std::string string() {
        expect('"');
        std::string out;
        while (true) {
            if (i >= s.size()) throw std::runtime_error("unterminated string");
            char c = s[i++];
            if (c == '"') return out;
            if (static_cast<unsigned char>(c) < 0x20) throw std::runtime_error("raw control character");
            if (c != '\\') {
                out += c;
                continue;
            }
            char e = s[i++];
            if (e == 'u') {
                out += char(std::stoi(std::string(s.substr(i, 4)), nullptr, 16));
                i += 4;
            } else {
                out += e == 'n' ? '\n' : e;
            }
        }
    }
    Json value() {
        ws();
        if (i >= s.size()) throw std::runtime_error("unexpected end");
        char c = s[i];
        if (c == '"') return Json{string()};
        if (c == '{') {
            ++i;
            std::map<std::string, Json> m;
            ws();
            if (s[i] == '}') return ++i, Json{m};
            do {
                std::string k = string();
                expect(':');
                m[k] = value();
                ws();
            } while (s[i] == ',' && ++i);
            expect('}');
            return Json{m};
        }
        if (c == '[') {
            ++i;
            std::vector<Json> a;
            ws();
            if (s[i] == ']') return ++i, Json{a};
            do {
                a.push_back(value());
                ws();
            } while (s[i] == ',' && ++i);
            expect(']');
            return Json{a};
        }
        std::size_t used = 0;
        double d = std::stod(std::string(s.substr(i, 32)), &used);
        i += used;
        return Json{d};
    }
    Json parse() {
        Json j = value();
        ws();
        if (i != s.size()) throw std::runtime_error("trailing text");
        return j;
    }
};

}  // namespace

TEST_F(GameState, JsonDumpCarriesImageAndNamedFields) {
    Member[1].Name.set(J("벨라"));
    Member[1].HP = -3;
    Member[1].Skills[6] = 44;
    Member[2].Name.set("a\"b\\c\n");
    Party.Gold = -70;
    Party.Flags[100] = 9;
    Party.Items[10] = 3;
    PartyX = 12;
    PartyY = 34;

    Json j = JsonParser{StateJson(2, 90, 80)}.parse();

    std::vector<uint8_t> image = SavedGameImage();
    std::string hex;
    for (uint8_t b : image) {
        char buf[3];
        std::snprintf(buf, sizeof buf, "%02x", b);
        hex += buf;
    }
    EXPECT_EQ(j["raw"].str(), hex);
    EXPECT_EQ(j["PartyX"].num(), 12);
    EXPECT_EQ(j["PartyY"].num(), 34);
    EXPECT_EQ(j["MapKind"].num(), 2);
    EXPECT_EQ(j["MapWidth"].num(), 90);
    EXPECT_EQ(j["MapHeight"].num(), 80);

    const Json& party = j["party"];
    EXPECT_EQ(party["Gold"].num(), -70);
    EXPECT_EQ(party["Items"].size(), 10u);
    EXPECT_EQ(party["Items"][9].num(), 3);
    EXPECT_EQ(party["Flags"].size(), 100u);
    EXPECT_EQ(party["Flags"][99].num(), 9);
    EXPECT_EQ(party.size(), 15u);

    const Json& members = j["members"];
    ASSERT_EQ(members.size(), 7u);
    EXPECT_EQ(members[0]["Name"].str(), "벨라");
    EXPECT_EQ(members[0]["HP"].num(), -3);
    EXPECT_EQ(members[0]["Skills"].size(), 6u);
    EXPECT_EQ(members[0]["Skills"][5].num(), 44);
    EXPECT_EQ(members[1]["Name"].str(), "a\"b\\c\n");
    EXPECT_EQ(members[6]["Name"].str(), "");
    EXPECT_EQ(members[0].size(), 29u);
}
