#include "game/battle/party_attack.h"

#include <string>

#include "game/battle/action_sentence.h"
#include "game/battle/enemy_group.h"
#include "game/battle/rewards.h"
#include "game/state/party.h"
#include "game/state/random.h"
#include "game/state/rules.h"
#include "game/ui/messages.h"
#include "screen/johab.h"

namespace vela {

namespace {

constexpr int kFlameWeapon = 29;  // a fire spirit's flame strikes one foe only

// The skill a weapon draws on: bare hands, the four weapon skills, or for
// creature attacks level x 5.
int weaponSkill(const MemberRecord& m) {
    int group = (m.Weapon + 6) / 7;
    if (group == 0) return m.Skills[6];
    if (group <= 4) return m.Skills[group];
    return m.Level * 5;
}

int baseDamage(const MemberRecord& m, bool companion) {
    if (companion) return m.Strength * m.WeaponPower * m.Level / 2;
    int skill = weaponSkill(m);
    if (m.Family == kFighterFamily && (m.Class == 5 || m.Class == 6)) return m.Strength * skill * 5;
    return RoundHalfEven((long long)m.Strength * m.WeaponPower * skill, 10);
}

// One blow of `member` on `slot` after the retarget. Lines that name the
// attacker use the pronoun for members 1..5 and the name for the companion.
void strike(int member, int slot, bool companion) {
    MemberRecord& m = Member[member];
    BattleEnemy& e = Enemy[slot];
    const ActionEntry& order = ActionTable[member];
    WriteMessage(TextColour::Action, ComposeActionSentence(member, ActWeapon, order.Choice, slot));
    CurrentMember = member;
    HeShe();
    std::string who = companion ? m.Name.str() : HeSheText;
    std::string foe = e.Name.str();

    if (e.Unconscious) {
        int line = Random(4);
        static const std::string lines[] = {"의 무기가 "_j, "의 머리는 "_j, "적의 피가 사방에 뿌려졌다"_j,
                                            "적은 비명과 함께 찢겨 나갔다"_j};
        std::string text = line == 0   ? who + lines[0] + foe + std::string("의 심장을 꿰뚫었다"_j)
                           : line == 1 ? foe + lines[1] + who + std::string("의 공격으로 산산 조각이 났다"_j)
                                       : lines[line];
        WriteMessage(TextColour::FoeDown, text);
        AwardExperience(member, slot);
        e.HP = 0;
        e.Dead = 1;
        return;
    }
    if (Random(20) > m.Accuracy) {
        WriteMessage(TextColour::Miss, who + std::string("의 공격은 빗나갔다 ...."_j));
        return;
    }
    int damage = baseDamage(m, companion);
    int spread = Random(50);
    damage -= spread * damage / 100;
    if (Random(100) < e.Resistance) {
        WriteMessage(TextColour::Miss, std::string("적은 "_j) + who + std::string("의 공격을 저지했다"_j));
        return;
    }
    int armourRoll = Random(10) + 1;
    damage -= e.ArmourClass * e.Level * armourRoll;
    if (damage < 1) {
        WriteMessage(TextColour::Miss, std::string("그러나, 적은 "_j) + who + std::string("의 공격을 막았다"_j));
        return;
    }
    e.HP -= damage;
    if (e.HP > 0) {
        WriteMessage3(TextColour::FoeHurt, TextColour::DamageDealt, "적은 "_j, std::to_string(damage), "만큼의 피해를 입었다"_j);
    } else {
        e.HP = 0;
        e.Unconscious = e.Dead = 0;
        WriteMessage(TextColour::FoeDown, std::string("적은 "_j) + who + std::string("의 공격으로 의식불명이 되었다"_j));
        AwardExperience(member, slot);
        e.Unconscious = 1;
    }
    DrawEnemyList(false);
}

// A blow aimed at every slot in turn, each moving on past fallen foes: with
// slot 1 dead, slot 2 takes the first two.
void companionSweep() {
    for (int slot = 1; slot <= EnemyCount; ++slot) CompanionAttack(slot);
}

}  // namespace

bool IsFairTarget(int slot) {
    const BattleEnemy& e = Enemy[slot];
    return !e.Dead && (!e.Unconscious || AttackUnconscious);
}

int Retarget(int member) {
    ActionEntry& order = ActionTable[member];
    for (;;) {
        int t = order.Target;
        if (t < 1 || t > EnemyCount) return 0;
        if (IsFairTarget(t)) return t;
        bool anyAlive = false;
        for (int s = 1; s <= EnemyCount; ++s) anyAlive = anyAlive || !Enemy[s].Dead;
        if (!anyAlive) return 0;
        order.Target = uint8_t(t + 1);
    }
}

void MemberAttack() {
    int slot = Retarget(CurrentMember);
    if (slot > 0) strike(CurrentMember, slot, false);
}

void CompanionAttack(int slot) {
    ActionTable[kCompanionSlot].Target = uint8_t(slot);
    int target = Retarget(kCompanionSlot);
    if (target > 0) strike(kCompanionSlot, target, true);
}

void CompanionTurn() {
    if (!IsActive(kCompanionSlot)) return;
    CurrentMember = kCompanionSlot;
    const MemberRecord& m = Member[kCompanionSlot];
    ActionTable[kCompanionSlot] = {ActWeapon, m.Weapon, 1};
    switch (m.Family) {
        case 0:
        case 3:
        case 4:
        case 6:
            CompanionAttack(1);
            break;
        case 1:
        case 5:
            companionSweep();
            break;
        case 2:
            if (m.Weapon == kFlameWeapon)
                CompanionAttack(1);
            else
                companionSweep();
            break;
        default:
            break;
    }
}

}  // namespace vela
