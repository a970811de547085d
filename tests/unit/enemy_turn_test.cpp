// The foes' turns: special attacks and their dodge, healing, magic on the
// whole party, and the abilities that steal the companion.
#include <gtest/gtest.h>

#include "battle_fixture.h"
#include "game/battle/enemy_abilities.h"
#include "game/battle/enemy_turn.h"
#include "game/state/random.h"

namespace vela {
namespace {

using test::BattleTest;

class EnemyTurnTest : public BattleTest {
protected:
    // A foe that only ever uses its special attack of `kind`.
    BattleEnemy& Attacker(int kind) {
        BattleEnemy& e = Foe(1, 30, 1000);
        e.SpecialAttack = uint8_t(kind);
        e.SpecialAbility = 0;
        e.Agility = 255;  // the attempt never fails
        return e;
    }
    void Standing(int count) {
        for (int s = 2; s <= count; ++s) Foe(s, 1, 100);
    }
};

TEST_F(EnemyTurnTest, SpecialAttacksNeedFourFoesStandingAndCanBeDodged) {
    Fighter(1, 1, 10, 0, 5, 10).Luck = 0;  // never dodges
    Attacker(3);
    Standing(3);
    for (uint32_t seed = 1; seed <= 20; ++seed) {
        SeedRandom(seed);
        EnemyTurn(1);
    }
    EXPECT_FALSE(Said("죽음의 공격을 시도했다")) << "three foes standing: no special attack";

    Standing(4);
    bool died = false;
    for (uint32_t seed = 1; seed <= 40 && !died; ++seed) {
        SeedRandom(seed);
        EnemyTurn(1);
        died = Member[1].Dead > 0;
    }
    EXPECT_TRUE(died);
    EXPECT_EQ(+Member[1].Dead, 1);
    EXPECT_LE(+Member[1].HP, 0);
    EXPECT_TRUE(Said("검사는 죽었다 !!"));

    // Luck 20 dodges every time: random(20) is always below it.
    Member[1] = {};
    Fighter(1, 1, 10, 0, 5, 10).Luck = 20;
    Attacker(1);
    lines.clear();
    for (uint32_t seed = 1; seed <= 40; ++seed) {
        SeedRandom(seed);
        EnemyTurn(1);
    }
    EXPECT_EQ(Member[1].Poison, 0);
    EXPECT_TRUE(Said("그러나, 검사는 독 공격을 피했다"));
}

TEST_F(EnemyTurnTest, HealingRaisesTheFallenOneStepAndStopsAtFullHealth) {
    BattleEnemy& healer = Foe(1, 30, 10);
    BattleEnemy& dead = Foe(2, 30, 0);
    dead.Dead = dead.Unconscious = 1;
    BattleEnemy& down = Foe(3, 30, -20);
    down.Unconscious = 1;
    EnemyHeal(1, 2, 500);
    EnemyHeal(1, 3, 500);
    EnemyHeal(1, 1, 1000000);
    EXPECT_EQ(+dead.Dead, 0);
    EXPECT_EQ(+dead.Unconscious, 1) << "the dead come back unconscious";
    EXPECT_EQ(+down.Unconscious, 0);
    EXPECT_EQ(+down.HP, 1) << "an unconscious foe wakes with at least 1";
    EXPECT_EQ(+healer.HP, FullEnemyHP(healer));
    EXPECT_TRUE(Said("자신을 치료했다"));
}

TEST_F(EnemyTurnTest, GroupMagicHitsEveryMemberPresent) {
    for (int slot : {1, 2, 4}) Fighter(slot, 1, 10, 0, 5, 10).Resistance = 0;
    Member[2].Unconscious = 1;
    BattleEnemy& caster = Foe(1, 30, 1000);
    caster.MagicAccuracy = 20;
    caster.Mentality = 30;  // 화염폭풍, power 8 x level x 5
    EnemyCastAll(1);
    EXPECT_LT(+Member[1].HP, 500);
    EXPECT_GT(+Member[2].Unconscious, 1) << "an unconscious member sinks deeper";
    EXPECT_LT(+Member[4].HP, 500);
    EXPECT_TRUE(Said("일행 모두에게 '화염폭풍'마법을 사용했다"));
}

TEST_F(EnemyTurnTest, AStolenCompanionFightsAsEnemyNumberOne) {
    Fighter(1, 1, 10, 0, 5, 10);
    MemberRecord& pet = Fighter(kCompanionSlot, 7, 15, 0, 5, 10);
    pet.Name.set("늑대"_j);
    pet.Resistance = 30;
    BattleEnemy& thief = Foe(1, 56, 1000);
    thief.SpecialAbility = 2;
    bool stolen = false;
    for (uint32_t seed = 1; seed <= 60 && !stolen; ++seed) {
        SeedRandom(seed);
        EnemyCount = 1;
        EnemySpecialAbility(1);
        stolen = Member[kCompanionSlot].Name.empty();
    }
    ASSERT_TRUE(stolen);
    const BattleEnemy& turned = Enemy[EnemyCount];
    EXPECT_EQ(turned.Number, 1);
    EXPECT_EQ(JohabToUtf8(turned.Name.str()), "늑대");
    EXPECT_EQ(turned.Resistance, 99) << "30 x 5, at most 99";
    EXPECT_EQ(turned.SpecialAttack, 2) << "a class-7 member knocks out";
    EXPECT_EQ(+turned.HP, FullEnemyHP(turned));
    EXPECT_TRUE(Said("자기편으로 끌어들였다"));
}

TEST_F(EnemyTurnTest, AFoeWithNeitherStrengthNorMagicDoesNothing) {
    Fighter(1, 1, 10, 0, 5, 10);
    BattleEnemy& idle = Foe(1, 30, 1000);
    idle.Strength = 0;
    idle.MagicLevel = 0;
    idle.SpecialAttack = 0;
    idle.SpecialAbility = 0;
    for (uint32_t seed = 1; seed <= 20; ++seed) {
        SeedRandom(seed);
        EnemyTurn(1);
    }
    EXPECT_EQ(+Member[1].HP, 500);
    EXPECT_TRUE(lines.empty());
}

}  // namespace
}  // namespace vela
