// Shops, hospital, schools, class change and the training ground at their
// edges, driven with scripted keys.
#include <gtest/gtest.h>

#include "game/state/party.h"
#include "game/town/services.h"
#include "screen/johab.h"
#include "world_fixture.h"

namespace vela {
namespace {

using test::World;

TEST(Shops, FoodWithExactGoldStopsAt255Rations) {
    World w;
    Party.Gold = 100;
    Party.Food = 250;
    w.Keys("{down}{enter}");
    FoodShop();
    EXPECT_EQ(+Party.Gold, 0);
    EXPECT_EQ(Party.Food, 255);
    EXPECT_TRUE(w.Said("매우 고맙습니다."));
}

TEST(Shops, ArmsFollowTheEquipmentRules) {
    World w;
    // Exact gold buys a dagger and leaves nothing.
    Party.Gold = 500;
    w.Keys("{enter}{enter}{enter}{esc}{esc}");
    ArmsShop();
    EXPECT_EQ(Member[1].Weapon, 1);
    EXPECT_EQ(+Party.Gold, 0);

    // A class-5 fighter is refused every weapon, a class-4 one every shield.
    Party.Gold = 100000;
    Member[1].Weapon = 0;
    Member[1].Class = 5;
    w.Keys("{enter}{enter}{enter}{enter}{esc}{esc}");
    ArmsShop();
    EXPECT_TRUE(w.Said("이 무기는 레온에게는 맞지 않습니다."));
    EXPECT_EQ(Member[1].Weapon, 0);
    Member[1].Class = 4;
    w.Keys("{down*4}{enter}{enter}{enter}{enter}{esc}{esc}");
    ArmsShop();
    EXPECT_TRUE(w.Said("레온은 이 방패를 사용 할 수 없습니다."));
    EXPECT_EQ(Member[1].Shield, 0);
    EXPECT_EQ(+Party.Gold, 100000);

    // A mage wears leather armour and nothing heavier.
    World::AddMember(2, "마녀", kMageFamily, 1, 1);
    w.Keys("{down*5}{enter}{down}{enter}{down}{enter}{enter}{enter}{down}{enter}{esc}{esc}");
    ArmsShop();
    EXPECT_TRUE(w.Said("마녀는 이 갑옷을 사용 할 수 없습니다."));
    EXPECT_EQ(Member[2].Armour, 1);
    EXPECT_EQ(+Party.Gold, 98000);
}

TEST(Shops, TenLotsOfMedicineStopAt255ButCostInFull) {
    World w;
    Party.Gold = 20000;
    Party.Items[1] = 250;
    w.Keys("{enter}{up}{enter}{esc}");
    HerbShop();
    EXPECT_EQ(Party.Items[1], 255);
    EXPECT_EQ(+Party.Gold, 0);
    // Arrows come ten to a lot.
    Party.Gold = 1000;
    w.Keys("{enter}{down}{enter}{esc}");
    GoodsShop();
    EXPECT_EQ(+Party.Arrows, 20);
    EXPECT_EQ(+Party.Gold, 0);
}

TEST(Hospital, PricesRoundHalvesToEvenAndRevivalCostsByDeath) {
    World w;
    Member[1].Endurance = 15;  // 150 hit points at level 1
    Member[1].HP = 135;
    EXPECT_EQ(HealPrice(1), 3);
    Member[1].HP = 125;
    EXPECT_EQ(HealPrice(1), 3);
    Member[1].Dead = 3;
    EXPECT_EQ(RevivePrice(1), 700);

    // Reviving leaves the member unconscious at most Endurance x Level.
    Party.Gold = 700;
    Member[1].Unconscious = 400;
    w.Keys("{enter}{enter}{down*3}{enter}{enter}{esc}{esc}");
    Hospital();
    EXPECT_EQ(+Member[1].Dead, 0);
    EXPECT_EQ(+Member[1].Unconscious, 15);
    EXPECT_EQ(+Party.Gold, 0);
}

TEST(Schools, TheFirstPointIsFreeAndAClassLearnsOnlyItsSkills) {
    World w;
    w.Keys("{enter}{enter}{enter}{esc}{esc}");
    FighterSchool();
    EXPECT_EQ(Member[1].Skills[1], 1);
    EXPECT_EQ(+Member[1].Experience, 0);

    Member[1].Class = 5;
    w.Forget();
    w.Keys("{enter}{enter}{enter}{enter}{esc}{esc}");
    FighterSchool();
    EXPECT_TRUE(w.Said("당신의 계급과 맞지 않습니다"));
    EXPECT_EQ(Member[1].Skills[1], 1);

    // Every course done: the spare experience goes into levels.
    Member[1].Skills[6] = 100;
    Member[1].Experience = 5000;
    w.Keys("{enter}{enter}");
    FighterSchool();
    EXPECT_EQ(+Member[1].Experience, 0);
    EXPECT_EQ(+Member[1].TrainedExperience, 5000);
}

TEST(Schools, AMemberAtHisClasssLimitIsToldWhenAnotherClassTeachesMore) {
    World w;
    Member[1].Experience = 1000000;
    auto trainFirstSkill = [&w](int cls, int value) {
        Member[1].Class = uint8_t(cls);
        Member[1].Skills[1] = uint8_t(value);
        w.Forget();
        w.Keys("{enter}{enter}{enter}{enter}{esc}{esc}");
        FighterSchool();
        EXPECT_TRUE(w.Said("이 분야는 더 배울 것이 없습니다")) << cls;
        return w.Said("계급을 바꾸면 더 배울 수 있습니다.");
    };
    EXPECT_TRUE(trainFirstSkill(1, 50)) << "a third-class fighter cuts up to 100";
    EXPECT_FALSE(trainFirstSkill(3, 100)) << "no class cuts beyond 100";
}

TEST(ClassChange, ChoosingOnesOwnClassCostsNothing) {
    World w;
    Party.Gold = 10000;
    w.Keys("{enter}{enter}{enter}");
    FighterClassChange();
    EXPECT_EQ(+Party.Gold, 10000);
    EXPECT_EQ(Member[1].Class, 1);
}

TEST(TrainingGround, HoursRunIntoTheNextYearAndAKeyHurriesThem) {
    World w;
    w.Enter(kTarn, 8, 48);
    Party.Gold = 30000;
    Party.Year = 774;
    Party.Day = 359;
    Party.Hour = 23;
    Party.Minute = 40;
    Party.Second = 17;
    w.Keys("{down*2}{enter}");
    TrainingGround();
    EXPECT_EQ(+Party.Year, 775);
    EXPECT_EQ(+Party.Day, 0);
    EXPECT_EQ(Party.Hour, 2);
    EXPECT_EQ(Party.Minute, 0);
    EXPECT_EQ(Party.Second, 17);
    EXPECT_EQ(+Member[1].Experience, 30000);
    EXPECT_EQ(+Party.Gold, 0);
}

}  // namespace
}  // namespace vela
