#include "game/battle/enemy_turn.h"

#include <algorithm>
#include <array>
#include <limits>
#include <string>

#include "game/battle/enemy_abilities.h"
#include "game/battle/enemy_group.h"
#include "game/state/particles.h"
#include "game/state/party.h"
#include "game/state/random.h"
#include "game/ui/messages.h"
#include "game/ui/party_panel.h"
#include "screen/johab.h"

namespace vela {

namespace {

std::string nameOf(int member) { return Member[member].Name.str(); }

int ableCount() {
    int n = 0;
    for (int m = 1; m <= kLastFightingSlot; ++m) n += IsActive(m);
    return n;
}

// The n-th candidate for n = random(count) + 1; with no candidate any slot,
// random(6) + 1, or random(5) + 1 when that slot is empty. When that one is
// empty too the blow has nobody to land on: 0.
template <typename IsCandidate>
int randomPartyTarget(IsCandidate isCandidate) {
    int count = 0;
    for (int m = 1; m <= kLastFightingSlot; ++m) count += isCandidate(m);
    if (count > 0) {
        int n = Random(count) + 1;
        for (int m = 1; m <= kLastFightingSlot; ++m)
            if (isCandidate(m) && --n == 0) return m;
    }
    int t = Random(6) + 1;
    if (!IsPresent(t)) t = Random(5) + 1;
    return IsPresent(t) ? t : 0;
}

int randomAbleTarget() { return randomPartyTarget(IsActive); }

int16_t deeper(int16_t value, int amount) {
    return int16_t(std::min<int>(value + amount, std::numeric_limits<int16_t>::max()));
}

// The foe's melee blow; shields and armour count for a member still able.
void enemyMelee(int slot) {
    BattleEnemy& e = Enemy[slot];
    std::string foe = e.Name.str();
    if (Random(20) >= e.Accuracy) {
        WriteMessage(TextColour::Miss, WithParticle(foe, Particle::Topic) + std::string(" 빗맞혔다"_j));
        return;
    }
    int t = randomAbleTarget();
    if (t == 0) return;
    MemberRecord& m = Member[t];
    int roll = Random(10) + 1;
    int damage = e.Strength * e.Level * roll / 5;
    std::string name = nameOf(t);
    std::string memberIs = WithParticle(name, Particle::Topic);
    std::string attacked = WithParticle(foe, Particle::Topic) + " " + WithParticle(name, Particle::Object) +
                           std::string(" 공격했다"_j);
    bool able = IsActive(t);
    if (able && m.Family == kFighterFamily && m.Shield > 0 && Random(550) < m.Skills[5] * m.ShieldValue) {
        WriteMessage(TextColour::FoeAction, attacked);
        WriteMessage(TextColour::Miss, std::string("그러나, "_j) + memberIs + std::string(" 방패로 적의 공격을 막았다"_j));
        return;
    }
    if (able) {
        int armourRoll = Random(10) + 1;
        damage -= m.AC * m.Level * armourRoll / 10;
    }
    if (damage > 0) {
        DamageMember(t, damage);
        WriteMessage(TextColour::FoeAction, memberIs + " " + foe + std::string("에게 공격 받았다"_j));
        WriteMessage3(TextColour::PartyHurt, TextColour::DamageTaken, memberIs + " ", std::to_string(damage),
                      "만큼의 피해를 입었다"_j);
    } else {
        WriteMessage(TextColour::FoeAction, attacked);
        WriteMessage(TextColour::Miss, std::string("그러나, "_j) + memberIs + std::string(" 적의 공격을 방어했다"_j));
    }
}

struct SpecialAttackKind {
    const char* name;  // "독 공격", ...
    int failRange;     // fails when random(failRange) > Agility
    const char* success;
};

void enemySpecialAttack(int slot) {
    static const SpecialAttackKind kinds[] = {
        {"독", 40, " 중독 되었다 !!"},
        {"치명적", 50, " 의식불명이 되었다 !!"},
        {"죽음의", 60, " 죽었다 !!"},
    };
    BattleEnemy& e = Enemy[slot];
    int kind = e.SpecialAttack;
    if (kind < 1 || kind > 3) return;
    const SpecialAttackKind& k = kinds[kind - 1];
    auto without = [kind](int m) {
        const MemberRecord& r = Member[m];
        if (r.Name.empty()) return false;
        return kind == 1 ? r.Poison == 0 : kind == 2 ? r.Unconscious == 0 : r.Dead == 0;
    };
    int t = randomPartyTarget(without);
    if (t == 0) return;
    MemberRecord& m = Member[t];
    std::string name = nameOf(t);
    std::string attack = Utf8ToJohab(k.name) + std::string(" 공격"_j);
    WriteMessage(TextColour::FoeAction,
                 WithParticle(e.Name.str(), Particle::Topic) + " " + name + std::string("에게 "_j) + attack +
                     std::string("을 시도했다"_j));
    if (Random(k.failRange) > e.Agility) {
        WriteMessage(TextColour::Miss, attack + std::string("은 실패했다"_j));
        return;
    }
    std::string memberIs = WithParticle(name, Particle::Topic);
    if (Random(20) < m.Luck) {
        WriteMessage(TextColour::Miss, std::string("그러나, "_j) + memberIs + " " + attack + std::string("을 피했다"_j));
        return;
    }
    WriteMessage(TextColour::Misfortune, memberIs + Utf8ToJohab(k.success));
    if (kind == 1) {
        m.Poison = 1;
        return;
    }
    // Fields of the packed record are set by value, never through a reference.
    if (kind == 2 && m.Unconscious == 0) m.Unconscious = 1;
    if (kind != 2 && m.Dead == 0) m.Dead = 1;
    if (m.HP > 0) m.HP = 0;
}

void spellHit(int slot, int power, int t) {
    BattleEnemy& e = Enemy[slot];
    MemberRecord& m = Member[t];
    std::string memberIs = WithParticle(nameOf(t), Particle::Topic);
    if (Random(20) >= e.MagicAccuracy) {
        WriteMessage(TextColour::Miss, e.Name.str() + std::string("의 마법공격은 빗나갔다"_j));
        return;
    }
    bool able = IsActive(t);
    if (able && Random(50) < m.Resistance) {
        WriteMessage(TextColour::Miss, std::string("그러나, "_j) + memberIs + std::string(" 적의 마법을 저지했다"_j));
        return;
    }
    int spread = Random(power / 2);
    int damage = power - spread;
    if (able) {
        int armourRoll = Random(10) + 1;
        damage -= m.AC * m.Level * armourRoll / 10;
    }
    if (damage < 1) {
        WriteMessage(TextColour::Miss, std::string("그러나, "_j) + memberIs + std::string(" 적의 마법을 막아냈다"_j));
        return;
    }
    DamageMember(t, damage);
    WriteMessage3(TextColour::PartyHurt, TextColour::DamageTaken, memberIs + " ", std::to_string(damage),
                  "만큼의 피해를 입었다"_j);
}

int lowestAbleMember() {
    int lowest = 0;
    for (int m = 1; m <= kLastFightingSlot; ++m)
        if (IsActive(m) && (lowest == 0 || Member[m].HP < Member[lowest].HP)) lowest = m;
    return lowest > 0 ? lowest : randomAbleTarget();
}

bool groupHealDue() {
    if (EnemyCount < 3) return false;
    int64_t hp = 0, full = 0;
    for (int s = 1; s <= EnemyCount; ++s) {
        hp += Enemy[s].HP;
        full += FullEnemyHP(Enemy[s]);
    }
    return hp < full / 3;
}

void groupHeal(int slot) {
    const BattleEnemy& e = Enemy[slot];
    int amount = e.Mentality * e.Level * 2;
    for (int s = 1; s <= EnemyCount; ++s) EnemyHeal(slot, s, amount);
}

void selfHeal(int slot) {
    const BattleEnemy& e = Enemy[slot];
    EnemyHeal(slot, slot, e.Level * e.Mentality * 3);
}

bool hurt(const BattleEnemy& e, int factor) { return e.HP < int32_t(e.Endurance) * e.Level * factor; }

void armourBreaking(int slot) {
    std::string foe = Enemy[slot].Name.str();
    for (int t = 1; t <= kLastFightingSlot; ++t) {
        if (!IsPresent(t)) continue;
        MemberRecord& m = Member[t];
        std::string name = nameOf(t);
        WriteMessage(TextColour::FoeAction, WithParticle(foe, Particle::Topic) + " " + name + std::string("의 갑옷파괴를 시도했다"_j));
        if (Random(21) >= m.Luck) {
            WriteMessage(TextColour::PartyHurt, name + std::string("의 갑옷은 파괴되었다"_j));
            if (m.AC > 0) --m.AC;
        } else {
            WriteMessage(TextColour::Miss,
                         std::string("그러나, "_j) + WithParticle(foe, Particle::Topic) + std::string(" 성공하지 못했다"_j));
        }
    }
    DrawPartyPanel();
}

bool armourWorthBreaking() {
    int sum = 0, n = 0;
    for (int t = 1; t <= kLastFightingSlot; ++t)
        if (IsPresent(t)) sum += Member[t].AC, ++n;
    return n > 0 && sum / n > 4;
}

void castAllOrOne(int slot) {
    if (Random(ableCount()) >= 2)
        EnemyCastAll(slot);
    else
        EnemyCastOne(slot, randomAbleTarget());
}

void enemyMagic(int slot) {
    BattleEnemy& e = Enemy[slot];
    switch (e.MagicLevel) {
        case 1: {
            int range = IsPresent(kCompanionSlot) ? 6 : 5;
            int t = Random(range) + 1;
            if (!IsActive(t)) t = Random(range) + 1;
            EnemyCastOne(slot, t);
            break;
        }
        case 2:
            EnemyCastOne(slot, randomAbleTarget());
            break;
        case 3:
            castAllOrOne(slot);
            break;
        case 4:
            if (hurt(e, 3) && Random(2) == 0)
                selfHeal(slot);
            else
                castAllOrOne(slot);
            break;
        case 5:
            if (hurt(e, 3) && Random(3) == 0)
                selfHeal(slot);
            else if (Random(ableCount()) >= 2)
                EnemyCastAll(slot);
            else if (groupHealDue() && Random(2) == 0)
                groupHeal(slot);
            else
                EnemyCastOne(slot, lowestAbleMember());
            break;
        case 6:
            if (hurt(e, 4) && Random(3) == 0)
                selfHeal(slot);
            else if (armourWorthBreaking() && Random(5) == 0)
                armourBreaking(slot);
            else if (groupHealDue() && Random(3) != 0)
                groupHeal(slot);
            else if (Random(ableCount()) >= 2)
                EnemyCastAll(slot);
            else
                EnemyCastOne(slot, lowestAbleMember());
            break;
        default:
            break;
    }
}

int standingFoes() {
    int n = 0;
    for (int s = 1; s <= EnemyCount; ++s) n += !Enemy[s].down();
    return n;
}

struct EnemySpell {
    int upTo;  // highest Mentality that casts it
    const char* name;
    int factor;
};

// The spell by the caster's Mentality; 0 and anything past the table cast
// the last one.
const EnemySpell& spellFor(const EnemySpell* table, int size, int mentality) {
    if (mentality == 0) return table[size - 1];
    for (int i = 0; i < size; ++i)
        if (mentality <= table[i].upTo) return table[i];
    return table[size - 1];
}

}  // namespace

void DamageMember(int member, int amount) {
    MemberRecord& m = Member[member];
    if (m.Dead > 0)
        m.Dead = deeper(m.Dead, amount);
    else if (m.Unconscious > 0)
        m.Unconscious = deeper(m.Unconscious, amount);
    else if (m.HP > 0)
        m.HP = int16_t(std::max<int>(m.HP - amount, std::numeric_limits<int16_t>::min()));
}

void EnemyCastOne(int slot, int member) {
    if (member == 0 || !IsPresent(member)) return;
    static const EnemySpell spells[] = {{3, "충격", 1},  {8, "냉기", 2},  {10, "고통", 4},
                                        {14, "혹한", 6}, {18, "화염", 7}, {255, "번개", 10}};
    const BattleEnemy& e = Enemy[slot];
    const EnemySpell& spell = spellFor(spells, 6, e.Mentality);
    int power = spell.factor * e.Level * 5;
    WriteMessage(TextColour::FoeAction, WithParticle(e.Name.str(), Particle::Topic) + " " + nameOf(member) +
                                            std::string("에게 '"_j) + Utf8ToJohab(spell.name) +
                                            std::string("'마법을 사용했다"_j));
    spellHit(slot, power, member);
}

void EnemyCastAll(int slot) {
    static const EnemySpell spells[] = {
        {6, "열파", 1}, {12, "에너지", 2}, {16, "초음파", 3}, {20, "혹한기", 5}, {255, "화염폭풍", 8}};
    const BattleEnemy& e = Enemy[slot];
    const EnemySpell& spell = spellFor(spells, 5, e.Mentality);
    int power = e.Level * spell.factor * 5;
    WriteMessage(TextColour::FoeAction, WithParticle(e.Name.str(), Particle::Topic) + std::string(" 일행 모두에게 '"_j) +
                                            Utf8ToJohab(spell.name) + std::string("'마법을 사용했다"_j));
    for (int t = 1; t <= kLastFightingSlot; ++t)
        if (IsPresent(t)) spellHit(slot, power, t);
}

void EnemyHeal(int slot, int patient, int amount) {
    std::string healer = WithParticle(Enemy[slot].Name.str(), Particle::Topic);
    if (patient == slot)
        WriteMessage(TextColour::FoeAction, healer + std::string(" 자신을 치료했다"_j));
    else
        WriteMessage(TextColour::FoeAction,
                     healer + " " + WithParticle(Enemy[patient].Name.str(), Particle::Object) + std::string(" 치료했다"_j));
    BattleEnemy& p = Enemy[patient];
    if (p.Dead) {
        p.Dead = 0;
    } else if (p.Unconscious) {
        p.Unconscious = 0;
        p.HP = std::max<int32_t>(p.HP, 1);
    } else {
        p.HP = std::min<int32_t>(p.HP + amount, FullEnemyHP(p));
    }
}

void EnemyTurn(int slot) {
    BattleEnemy& e = Enemy[slot];
    if (e.SpecialAbility > 0) EnemySpecialAbility(slot);
    int agility = std::min<int>(e.Agility, 20);
    if (e.SpecialAttack > 0 && agility > Random(50) && standingFoes() > 3) {
        enemySpecialAttack(slot);
        return;
    }
    int meleeRoll = Random(e.Accuracy * 1000);
    int magicRoll = Random(e.MagicAccuracy * 1000);
    if (meleeRoll > magicRoll && e.Strength > 0)
        enemyMelee(slot);
    else
        enemyMagic(slot);
}

}  // namespace vela
