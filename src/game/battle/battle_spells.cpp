#include "game/battle/battle_spells.h"

#include <algorithm>
#include <string>

#include "game/acts/summoning.h"
#include "game/battle/action_sentence.h"
#include "game/battle/enemy_group.h"
#include "game/battle/party_attack.h"
#include "game/battle/rewards.h"
#include "game/state/particles.h"
#include "game/state/party.h"
#include "game/state/random.h"
#include "game/state/rules.h"
#include "game/ui/messages.h"
#include "game/ui/party_panel.h"
#include "screen/johab.h"

namespace vela {

namespace {

constexpr int kAttackSkill = 1;  // 공격 마법, the first skill of a mage

const std::string& notEnoughMagic() {
    static const std::string line = "마법 지수가 부족했다"_j;
    return line;
}

// One cast of attack spell `spell` by `caster` on `slot` (already a fair
// target), the sentence written for the given action.
void castOn(int caster, int action, int spell, int slot) {
    MemberRecord& m = Member[caster];
    BattleEnemy& e = Enemy[slot];
    WriteMessage(TextColour::Action, ComposeActionSentence(caster, action, spell, slot));
    CurrentMember = caster;
    HeShe();
    std::string foe = e.Name.str();
    std::string foeIs = WithParticle(foe, Particle::Topic);

    if (e.Unconscious) {
        WriteMessage(TextColour::FoeDown, HeSheText + std::string("의 마법은 적을 완전히 제거해 버렸다"_j));
        AwardExperience(caster, slot);
        e.HP = 0;
        e.Dead = 1;
        return;
    }
    int skill = m.Skills[kAttackSkill];
    int cost = AttackSpellCost(skill, spell);
    if (m.SP < cost) {
        WriteMessage(TextColour::Refusal, notEnoughMagic());
        return;
    }
    m.SP = int16_t(m.SP - cost);
    DrawSP();
    if (Random(20) >= m.Accuracy) {
        WriteMessage(TextColour::Miss,
                     std::string("그러나, "_j) + WithParticle(foe, Particle::Object) + std::string(" 빗나갔다"_j));
        return;
    }
    int damage = spell * spell * skill * 3;
    if (Random(100) < e.Resistance) {
        WriteMessage(TextColour::Miss, foeIs + " " + HeSheText + std::string("의 마법을 저지했다"_j));
        return;
    }
    int armourRoll = Random(10) + 1;
    damage -= e.ArmourClass * e.Level * armourRoll;
    if (damage < 1) {
        WriteMessage(TextColour::Miss,
                     std::string("그러나, "_j) + foeIs + " " + HeSheText + std::string("의 마법 공격을 막았다"_j));
        return;
    }
    e.HP -= damage;
    if (e.HP > 0) {
        WriteMessage3(TextColour::FoeHurt, TextColour::DamageDealt,
                      foeIs + " ", std::to_string(damage), "만큼의 피해를 입었다"_j);
    } else {
        WriteMessage(TextColour::FoeDown, foeIs + " " + HeSheText + std::string("의 마법에 의해 의식불능이 되었다"_j));
        AwardExperience(caster, slot);
        e.HP = 0;
        e.Unconscious = 1;
    }
    DrawEnemyList(false);
}

struct SpecialSpell {
    int cost;
    int block;  // B: blocked when random(B) < Resistance
    const char* effect;
};

const SpecialSpell& specialSpell(int spell) {
    static const SpecialSpell table[] = {
        {200, 100, "기술 무력화"}, {50, 100, "방어 무력화"}, {100, 200, "능력 저하"},
        {150, 100, "마법 불능"},   {400, 100, "탈 초인화"},
    };
    return table[spell - 1];
}

// H of the hit roll: it lands when random(H) <= the caster's accuracy.
int hitRange(int spell, const BattleEnemy& e) {
    switch (spell) {
        case 1: return 60;
        case 2: return e.ArmourClass >= 5 ? 25 : 40;
        case 3: return 30;
        default: return 100;
    }
}

uint8_t lowered(uint8_t value, int by) { return uint8_t(std::max(0, value - by)); }

// The effect of a landed special spell and its line after the foe's name.
std::string applySpecial(int spell, BattleEnemy& e) {
    switch (spell) {
        case 1:
            e.SpecialAttack = 0;
            return "의 특수 공격 능력이 제거되었다"_j;
        case 2:
            if (e.Resistance < 31 || Random(2) == 0)
                e.ArmourClass = lowered(e.ArmourClass, 1);
            else
                e.Resistance = lowered(e.Resistance, 10);
            return "의 방어 능력이 저하되었다"_j;
        case 3:
            if (e.Level > 1) --e.Level;
            e.Resistance = lowered(e.Resistance, 10);
            return "의 전체적인 능력이 저하되었다"_j;
        case 4: {
            bool gone = e.MagicLevel < 2;
            e.MagicLevel = lowered(e.MagicLevel, 1);
            return gone ? std::string("의 마법 능력은 사라졌다"_j) : std::string("의 마법 능력이 저하되었다"_j);
        }
        default: {
            bool gone = e.SpecialAbility < 2;
            e.SpecialAbility = lowered(e.SpecialAbility, 1);
            return gone ? std::string("의 초자연적 능력은 사라졌다"_j) : std::string("의 초자연적 능력이 저하되었다"_j);
        }
    }
}

void castSpecialOn(MemberRecord& m, int spell, int slot) {
    const SpecialSpell& s = specialSpell(spell);
    BattleEnemy& e = Enemy[slot];
    std::string effect = Utf8ToJohab(s.effect);
    if (m.SP < s.cost) {
        WriteMessage(TextColour::Refusal, notEnoughMagic());
        return;
    }
    m.SP = int16_t(m.SP - s.cost);
    DrawSP();
    if (Random(s.block) < e.Resistance) {
        WriteMessage(TextColour::Miss, effect + std::string(" 공격은 저지 당했다"_j));
        return;
    }
    if (Random(hitRange(spell, e)) > m.Accuracy) {
        WriteMessage(TextColour::Miss, effect + std::string(" 공격은 빗나갔다"_j));
        return;
    }
    WriteMessage(TextColour::Misfortune, e.Name.str() + applySpecial(spell, e));
}

}  // namespace

int AttackSpellCost(int skill, int spell) { return RoundHalfEven((long long)skill * spell * spell, 10); }

void CastAttackSpell() {
    int caster = CurrentMember;
    int slot = Retarget(caster);
    if (slot > 0) castOn(caster, ActSpellOne, ActionTable[caster].Choice, slot);
}

void CastGroupSpell() {
    int caster = CurrentMember;
    ActionTable[caster].Target = 1;
    for (int slot = 1; slot <= EnemyCount; ++slot)
        if (IsFairTarget(slot)) castOn(caster, ActSpellAll, ActionTable[caster].Choice, slot);
}

void CastSpecialSpell() {
    MemberRecord& m = Member[CurrentMember];
    int spell = ActionTable[CurrentMember].Choice;
    if (spell >= 1 && spell <= 5) {
        castSpecialOn(m, spell, ActionTable[CurrentMember].Target);
    } else if (spell >= 6 && spell <= 10) {
        int single = spell - 5;
        for (int slot = 1; slot <= EnemyCount; ++slot)
            if (m.SP > specialSpell(single).cost) castSpecialOn(m, single, slot);
    }
    DrawEnemyList(false);
}

void Summon() {
    constexpr int kSummonSkill = 6;
    SummonWithSkill(ActionTable[CurrentMember].Choice, Member[CurrentMember].Skills[kSummonSkill]);
    DrawPartyPanel();
}

}  // namespace vela
