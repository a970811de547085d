// The round loop driven by keys: the command menu and its rules, who acts
// first, arrows, poison, the encounter on the map, and the sentences that
// announce each action.
#include <gtest/gtest.h>

#include <algorithm>

#include "battle_fixture.h"
#include "game/battle/action_sentence.h"
#include "game/battle/battle.h"
#include "game/battle/battle_commands.h"
#include "game/battle/encounter.h"
#include "game/battle/scripted_battle.h"
#include "game/state/random.h"
#include "game/world/map_catalogue.h"
#include "game/world/map_data.h"
#include "screen/gfx.h"
#include "platform/headless_platform.h"

namespace vela {
namespace {

using test::BattleTest;

class BattleLoopTest : public BattleTest {
protected:
    // A foe that never does anything and cannot be hurt by a blow.
    BattleEnemy& Dummy(int slot) {
        BattleEnemy& e = Foe(slot, 30, 100000);
        e.Strength = e.MagicLevel = e.SpecialAttack = e.SpecialAbility = 0;
        return e;
    }
    int Count(const std::string& utf8) const {
        int n = 0;
        for (const std::string& line : lines) n += line.find(utf8) != std::string::npos;
        return n;
    }
};

TEST_F(BattleLoopTest, TheFoePickerWrapsAndLeavesNoMark) {
    for (int s = 1; s <= 3; ++s) Dummy(s);
    DrawEnemyList(true);
    session.platform.AppendKeys("{up}{enter}");
    EXPECT_EQ(SelectEnemy(), 3) << "up from the first foe wraps to the last";
    session.platform.AppendKeys("{down*3}x{enter}");
    EXPECT_EQ(SelectEnemy(), 1);
    for (int y = 24; y <= 287; ++y)
        for (int x = 24; x <= 239; ++x) ASSERT_NE(Screen[y * 640 + x], PixelOf(7)) << x << "," << y;
}

TEST_F(BattleLoopTest, FightersTurnMagicIntoBlowsExceptAClass7Healer) {
    Fighter(1, 1, 10, 1, 15, 10);
    Dummy(1);
    session.platform.AppendKeys("{down}{enter}{enter}");  // magic on one foe, then the foe
    ChooseCommand(1);
    EXPECT_EQ(ActionTable[1].Action, ActWeapon);
    EXPECT_EQ(ActionTable[1].Target, 1);

    Fighter(2, 7, 10, 1, 15, 10);
    session.platform.AppendKeys("{down*4}{enter}{esc}");  // heal the party, then no one to heal
    ChooseCommand(2);
    EXPECT_EQ(ActionTable[2].Action, ActHeal);
    EXPECT_TRUE(session.platform.ScriptDone());
}

TEST_F(BattleLoopTest, HerbsAreTheCampsItemMenuWithTheMedicinesOnly) {
    Fighter(1, 1, 10, 1, 15, 10).HP = 100;
    Dummy(1);
    PartyFate() = kFateBattle;
    Party.Items[1] = 2;
    session.platform.AppendKeys("{down*7}{enter}{enter}{enter}");  // herbs, a healing potion, the key wait
    ChooseCommand(1);
    EXPECT_EQ(ActionTable[1].Action, ActHerbs);
    EXPECT_EQ(+Member[1].HP, 500);
    EXPECT_EQ(Party.Items[1], 1);
    EXPECT_TRUE(session.platform.ScriptDone());
}

TEST_F(BattleLoopTest, TheHerosLastItemOrdersAnAllOutAttack) {
    Fighter(1, 1, 10, 1, 15, 10);
    Mage(2, 30, 31);  // magic points above the skill: the first attack spell
    Mage(3, 30, 30);  // not above: a blow
    Dummy(1);
    Dummy(2);
    session.platform.AppendKeys("{up}{enter}");
    ChooseCommand(1);
    ChooseCommand(2);
    ChooseCommand(3);
    EXPECT_TRUE(session.platform.ScriptDone()) << "members 2 and 3 get no menu";
    EXPECT_EQ(ActionTable[1].Action, ActWeapon);
    EXPECT_EQ(ActionTable[2].Action, ActSpellOne);
    EXPECT_EQ(ActionTable[2].Choice, 1);
    EXPECT_EQ(ActionTable[3].Action, ActWeapon);
    EXPECT_EQ(ActionTable[3].Target, 1);
    EXPECT_TRUE(Said("일행에게 무조건 공격 할 것을 지시"));
    EXPECT_FALSE(Said("도망을 시도함")) << "the hero never offers flight";
}

TEST_F(BattleLoopTest, FoesStrikeFirstWhenThePartyIsSlower) {
    Fighter(1, 1, 30, 6, 60, 50);
    BattleEnemy& e = Foe(1, 1, 1);
    e.Accuracy = 20;
    e.Strength = 1;
    e.MagicLevel = e.SpecialAttack = e.SpecialAbility = 0;
    session.platform.AppendKeys("{enter}{enter}{enter}{enter}");
    Battle(false, false);
    ASSERT_FALSE(lines.empty());
    std::size_t blow = 0, menu = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (!blow && lines[i].find("공격 받았다") != std::string::npos) blow = i + 1;
        if (!menu && lines[i].find("전투 모드") != std::string::npos) menu = i + 1;
    }
    EXPECT_GT(blow, 0u);
    EXPECT_LT(blow, menu) << "the foe's blow comes before the first menu";
    EXPECT_EQ(ReadBattleOutcome(), BattleOutcome::Won);
}

TEST_F(BattleLoopTest, EveryActionOfABowUserSpendsAnArrow) {
    Fighter(1, 4, 10, 26, 45, 20);  // a hunter with a bow
    Party.Arrows = 1;
    Dummy(1);
    session.platform.AppendKeys("{enter}{enter}{enter}{enter}{enter}{enter}");
    EXPECT_THROW(Battle(true, false), ScriptExhausted);
    EXPECT_EQ(+Party.Arrows, 0);
    EXPECT_EQ(Count("검사는 활로 "), 1) << "one shot, with the rieul particle";
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "화살이 다 떨어져 공격할 수 없었다"), 1)
        << "out of arrows, the whole line names nobody";
}

TEST_F(BattleLoopTest, PoisonWearsDownBothSides) {
    Fighter(1, 1, 10, 0, 5, 10).Poison = 1;
    BattleEnemy& e = Dummy(1);
    e.HP = 60;
    e.Poisoned = 1;
    Dummy(2);
    // Three rounds in which the member closes the menu.
    session.platform.AppendKeys("{esc}{enter}{enter}{esc}{enter}{enter}{esc}{enter}");
    EXPECT_THROW(Battle(true, false), ScriptExhausted);
    EXPECT_EQ(+Member[1].HP, 485) << "5 a round";
    EXPECT_EQ(+e.HP, -40) << "50 a round: down after the second";
    EXPECT_EQ(+e.Unconscious, 1);
    EXPECT_EQ(+e.Dead, 1) << "poison kills a foe that is down";
    EXPECT_EQ(Count("잠시 주저했다"), 3) << "a closed menu hesitates";
}

TEST_F(BattleLoopTest, EncountersDependOnTheMap) {
    Fighter(1, 1, 10, 0, 5, 10).Luck = 0;
    Party.Flags[FlagMaxEnemies] = 5;
    MapKind = kDen;
    Party.MapNumber = kMortal;
    session.platform.AppendKeys("{down}{enter}");  // run: luck 0 never slips away
    EXPECT_THROW(RandomEncounter(), ScriptExhausted);
    EXPECT_GE(EnemyCount, 1);
    for (int s = 1; s <= EnemyCount; ++s) EXPECT_EQ(Enemy[s].Number, 35);
    EXPECT_TRUE(Said("적이 출현했다 !!!"));

    lines.clear();
    Party.MapNumber = kTarn;  // towns have no wandering foes
    MapKind = kTown;
    RandomEncounter();
    EXPECT_TRUE(lines.empty());
}

TEST_F(BattleLoopTest, SentencesUseEachNamesOwnParticles) {
    Fighter(1, 1, 10, 0, 5, 10);
    Foe(1, 1, 10);
    std::string rat = JohabToUtf8(Enemy[1].Name.str());
    EXPECT_EQ(JohabToUtf8(ComposeActionSentence(1, ActWeapon, 0, 1)), "검사는 맨손으로 " + rat + "를 공격했다");
    Member[1].Weapon = 3;  // 샤벨: 을 but 로
    EXPECT_EQ(JohabToUtf8(ComposeActionSentence(1, ActWeapon, 3, 1)), "검사는 샤벨로 " + rat + "를 공격했다");
    Member[1].Weapon = 9;
    EXPECT_EQ(JohabToUtf8(ComposeActionSentence(1, ActWeapon, 9, 1)), "검사는 소형 도끼로 " + rat + "를 내려쳤다");
    EXPECT_EQ(JohabToUtf8(ComposeActionSentence(1, ActSpecialSpell, 4, 1)),
              "검사는 " + rat + "에게 한명 마법 불능으로 특수 공격을 했다");
    EXPECT_EQ(JohabToUtf8(ComposeActionSentence(1, ActSpellOne, 1, 1)),
              "검사는 '마법 화살'로 " + rat + "에게 공격했다");
    EXPECT_EQ(JohabToUtf8(ComposeActionSentence(1, ActEsp, 6, 0)), "검사는 모든 적에게 수소 핵융합을 사용했다");
    EXPECT_EQ(JohabToUtf8(ComposeActionSentence(1, ActSummon, 7, 1)), "검사는 거인을 부름을 시도 했다");
    EXPECT_EQ(JohabToUtf8(ComposeActionSentence(1, ActNothing, 0, 0)), "검사는  잠시 주저했다");
    EXPECT_EQ(JohabToUtf8(ComposeActionSentence(1, ActFlee, 0, 0)), "일행은 도망을 시도했다");
}

}  // namespace
}  // namespace vela
