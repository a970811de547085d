#include "game/battle/esp.h"

#include <algorithm>
#include <array>
#include <initializer_list>
#include <string>

#include "game/battle/enemy_group.h"
#include "game/battle/rewards.h"
#include "game/state/names.h"
#include "game/state/particles.h"
#include "game/state/random.h"
#include "game/ui/menus.h"
#include "game/ui/messages.h"
#include "game/ui/party_panel.h"
#include "screen/johab.h"

namespace vela {

namespace {

constexpr int kEspSkill = 5;  // 초 자연력
constexpr int kEspSchool = 5;
constexpr int kMenuY = 50;
constexpr int kTelekinesis = 5, kFusion = 6;
constexpr int kElusiveEnemy = 70;  // reads as level 17 to a mind reader
constexpr int kElusiveLevel = 17;

struct Power {
    int skill;
    int cost;
};
const Power& powerOf(int esp) {
    static const Power powers[] = {{0, 0},     {0, 0},     {40, 15},   {0, 0},    {0, 0},
                                   {20, 100},  {30, 100},  {80, 300},  {90, 500}, {100, 1000}};
    return powers[esp - 1];
}

std::string pronounSays(const char* utf8) { return HeSheText + Utf8ToJohab(utf8); }

uint8_t lowered(uint8_t value, int by) { return uint8_t(std::max(0, value - by)); }

// Skill, then cost; false when the power stops there.
bool canUse(MemberRecord& m, int esp, const std::string& tooWeak) {
    const Power& p = powerOf(esp);
    if (m.Skills[kEspSkill] < p.skill) {
        WriteMessage(TextColour::Refusal, tooWeak);
        return false;
    }
    if (m.SP < p.cost) {
        WriteMessage(TextColour::Refusal,
                     esp == kFusion ? std::string("초감각 지수가 부족했다"_j) : std::string("마법 지수가 부족했다"_j));
        return false;
    }
    m.SP = int16_t(m.SP - p.cost);
    DrawSP();
    return true;
}

void mindReading(int caster, int slot) {
    MemberRecord& m = Member[caster];
    if (!canUse(m, 3, "독심을 사용하려 하였지만 아직 능력이 부족했다"_j)) return;
    BattleEnemy& e = Enemy[slot];
    if (!MindReadable(e.Number)) {
        WriteMessage(TextColour::Miss, "독심술은 전혀 통하지 않았다"_j);
        return;
    }
    int level = e.Number == kElusiveEnemy ? kElusiveLevel : e.Level;
    if (level > m.Level && Random(2) == 0) {
        WriteMessage(TextColour::Miss, "적의 마음을 끌어들이기에는 아직 능력이 부족했다"_j);
        return;
    }
    if (Random(60) <= m.Concentration + 2 * (m.Level - level)) {
        WriteMessage(TextColour::Success, "적은 우리의 편이 되었다"_j);
        EnemyToCompanion(e.Number, kCompanionSlot);
        e.Dead = 1;
        e.Unconscious = 1;
        e.HP = 0;
        e.Level = 0;
        DrawPartyPanel();
    } else {
        WriteMessage(TextColour::Miss, "적의 마음은 흔들리지 않았다"_j);
    }
}

void fusion(int caster) {
    MemberRecord& m = Member[caster];
    if (!canUse(m, kFusion, pronounSays("는 주위의 원소들을 이용하려 했으나 역부족이었다"))) return;
    if (Random(2) == 1) {
        WriteMessage(TextColour::Scene, "공기중의 수소가 돌연히 핵융합을 일으켜 질량"_j);
        WriteMessage(TextColour::Scene, "결손의 에너지를 적들에게 방출하기 시작한다"_j);
    } else {
        WriteMessage(TextColour::Scene, "갑자기 땅속의 우라늄이 핵분열을 일으켜 고온"_j);
        WriteMessage(TextColour::Scene, "의 열기가 적의 주위를 감싸기 시작한다"_j);
    }
    int blast = m.Concentration * m.Level;
    for (int slot = 1; slot <= EnemyCount; ++slot) {
        BattleEnemy& e = Enemy[slot];
        e.HP = std::max(e.HP - blast, 0);
        if (e.Dead) continue;
        if (e.Unconscious) {
            e.Dead = 1;
            AwardExperience(caster, slot);
        } else if (e.HP == 0) {
            AwardExperience(caster, slot);
            e.Unconscious = 1;
        }
    }
}

void fear(int caster, int slot) {
    MemberRecord& m = Member[caster];
    WriteMessage(TextColour::Scene, pronounSays("는 적에게 공포심을 불어 넣었다"));
    if (!canUse(m, 7, pronounSays("는 아직 능력이 부족 했다"))) return;
    BattleEnemy& e = Enemy[slot];
    if (Random(40) < e.Resistance) {
        e.Resistance = lowered(e.Resistance, 5);
    } else if (Random(60) <= m.Concentration) {
        WriteMessage(TextColour::FoeFled, WithParticle(e.Name.str(), Particle::Topic) + std::string(" 겁을 먹고는 도망 가버렸다"_j));
        e.Dead = 1;
        AwardExperience(caster, slot);
    } else {
        e.Endurance = lowered(e.Endurance, 5);
    }
}

void illusion(int caster, int slot) {
    MemberRecord& m = Member[caster];
    WriteMessage(TextColour::Scene, pronounSays("는 적을 환상속에 빠지게 하려한다"));
    if (!canUse(m, 8, pronounSays("는 아직 능력이 부족 했다"))) return;
    BattleEnemy& e = Enemy[slot];
    if (Random(30) < m.Concentration) {
        e.Accuracy = lowered(e.Accuracy, 4);
        e.MagicAccuracy = lowered(e.MagicAccuracy, 4);
    }
    if (Random(40) < e.Resistance) e.Agility = lowered(e.Agility, 5);
}

// An enemy put down by a power pays the caster, with the message.
void knockOut(int caster, int slot) {
    BattleEnemy& e = Enemy[slot];
    e.HP = 0;
    AwardExperience(caster, slot);
    e.Unconscious = 1;
}

void metabolism(int caster, int slot) {
    MemberRecord& m = Member[caster];
    WriteMessage(TextColour::Scene, pronounSays("는 적의 신진 대사를 조절하여 적의 "));
    WriteMessagePart(TextColour::Scene, "체력을 점차 약화 시키려 한다"_j, false);
    if (!canUse(m, 9, pronounSays("는 아직 능력이 부족 했다"))) return;
    if (Random(40) > m.Concentration) return;
    BattleEnemy& e = Enemy[slot];
    if (!e.Poisoned)
        e.Poisoned = 1;
    else if (e.HP < 501)
        knockOut(caster, slot);
    else
        e.HP -= 50;
}

void soulSeparation(int caster, int slot) {
    MemberRecord& m = Member[caster];
    WriteMessage(TextColour::Scene, pronounSays("는 염력으로 적의 영혼을 분리 시키려 한다"));
    if (!canUse(m, 10, pronounSays("는 아직 능력이 부족 했다"))) return;
    BattleEnemy& e = Enemy[slot];
    if (Random(40) < e.Resistance)
        e.Resistance = lowered(e.Resistance, 20);
    else if (Random(80) <= m.Concentration)
        e.Unconscious = 1;
    else if (e.HP < 500)
        knockOut(caster, slot);
    else
        e.HP -= 500;
}

int espMenu(int first, int selectable) {
    std::array<std::string_view, 5> names;
    for (int i = 0; i < 5; ++i) names[i] = SpellNames[kEspSchool][first - 1 + i];
    SetMenuItems("", {names[0], names[1], names[2], names[3], names[4]});
    return Select(kMenuY, selectable, 5, true, true);
}

}  // namespace

int TelekinesisPowers(int skill) {
    if (skill < 20) return 0;
    if (skill < 30) return 1;
    if (skill < 80) return 2;
    if (skill < 90) return 3;
    if (skill < 100) return 4;
    return 5;
}

bool MindReadable(int n) {
    for (int k : {6, 10, 20, 24, 27, 29, 33, 35, 40, 47, 53, 62, 70})
        if (n == k) return true;
    return false;
}

void ChooseEsp(int member) {
    ActionEntry& order = ActionTable[member];
    int esp = espMenu(1, 5);
    if (esp == kTelekinesis) {
        int second = espMenu(6, TelekinesisPowers(Member[member].Skills[kEspSkill]));
        esp = second == 0 ? 0 : second + 5;
    }
    if (esp == 0) return;
    int target = 0;
    if (esp == 3 || esp >= 7) target = SelectEnemy();
    order = {ActEsp, uint8_t(esp), uint8_t(target)};
    if (target > 0 && Enemy[target].down()) order.Action = ActNothing;
}

void UseEsp() {
    int caster = CurrentMember;
    HeShe();
    const ActionEntry& order = ActionTable[caster];
    int slot = order.Target;
    switch (order.Choice) {
        case 3: mindReading(caster, slot); break;
        case kFusion: fusion(caster); break;
        case 7: fear(caster, slot); break;
        case 8: illusion(caster, slot); break;
        case 9: metabolism(caster, slot); break;
        case 10: soulSeparation(caster, slot); break;
        default: {
            std::string name = SpellName(kEspSchool, order.Choice);
            WriteMessage(TextColour::Refusal, WithParticle(name, Particle::Object) + std::string(" 전투모드에서는 사용할 수가 없습니다."_j));
            return;
        }
    }
    DrawEnemyList(false);
}

}  // namespace vela
