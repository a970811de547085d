// The enemy group of one battle, the party's orders for the round and the
// battle-wide switches; the list of foes on the left of the screen and the
// picker that chooses one of them.
#pragma once

#include <cstdint>

#include "game/state/party.h"

namespace vela {

// One combatant slot. The statistics are copies of the enemy record: battle
// effects lower them here only, never in the enemy table.
struct BattleEnemy {
    uint8_t Number;  // 1..75; 1 also for a party member fighting on the enemy side
    ShortString<16> Name;
    uint8_t Strength;
    uint8_t Mentality;
    uint8_t Endurance;
    uint8_t Resistance;
    uint8_t Agility;
    uint8_t Accuracy;
    uint8_t MagicAccuracy;
    uint8_t ArmourClass;
    uint8_t SpecialAttack;
    uint8_t MagicLevel;
    uint8_t SpecialAbility;
    uint8_t Level;
    int32_t HP;
    uint8_t Poisoned;
    uint8_t Unconscious;
    uint8_t Dead;

    bool down() const { return Dead != 0 || Unconscious != 0; }
};

constexpr int kEnemySlots = 8;
extern uint8_t EnemyCount;  // 0..8; slots above it are ignored
extern OneBased<BattleEnemy, kEnemySlots> Enemy;

// What each of members 1..6 does in the action phase.
enum BattleAction : uint8_t {
    ActNothing = 0,
    ActWeapon = 1,
    ActSpellOne = 2,
    ActSpellAll = 3,
    ActSpecialSpell = 4,
    ActHeal = 5,
    ActEsp = 6,
    ActSummon = 7,
    ActHerbs = 8,
    ActFlee = 9,
    ActAuto = 10,
};
struct ActionEntry {
    uint8_t Action;
    uint8_t Choice;  // weapon or spell number
    uint8_t Target;  // enemy slot, member or 0
};
extern OneBased<ActionEntry, kLastFightingSlot> ActionTable;

// The option to finish off unconscious enemies (camp options); 1 at start.
extern uint8_t AttackUnconscious;
// Member 1 ordered everyone to attack this round.
extern uint8_t AutoBattle;

// Empty group, cleared orders, the option back on.
void ResetBattleState();

// Fills a slot from enemy record `number`: hit points Endurance x Level x 10,
// no states. EnemyCount is left alone.
void MakeBattleEnemy(int slot, int number);
// Full hit points of a slot's body.
int32_t FullEnemyHP(const BattleEnemy& e);

// Colour of a foe's name in the list: by hit points, grey when unconscious,
// black (invisible) when dead.
int EnemyNameColour(const BattleEnemy& e);
// The names at (70, 50 + 20 x slot); `clear` blanks the view area first.
void DrawEnemyList(bool clear);
// A grey bar under one name, moved by the arrows with wrap-around; Enter
// takes it and the bar goes. There is no way to cancel.
int SelectEnemy();

}  // namespace vela
