#include "game/acts/healing_magic.h"

#include <algorithm>
#include <string>

#include "game/acts/member_limits.h"
#include "game/state/names.h"
#include "game/state/party.h"
#include "game/ui/menus.h"
#include "game/ui/messages.h"
#include "game/ui/party_panel.h"
#include "screen/johab.h"

namespace vela {

namespace {

constexpr int kHealingSchool = 3;
constexpr int kEveryoneItemSkill = 6;  // skill / 10 needed to heal everyone

bool inBattle() { return PartyFate() != kFateNone; }

// "<name>은/는<words>".
void say(int t, std::string_view words) { WriteMessage(TextColour::Narration, NameTopic(t) + std::string(words)); }

void refuse(int t, std::string_view words) {
    if (!inBattle()) WriteMessage(TextColour::Refusal, NameTopic(t) + std::string(words));
}

// Takes the cost from the caster; false (and says so) when it is short.
bool pay(long cost) {
    MemberRecord& caster = Member[CurrentMember];
    if (caster.SP < cost) {
        WriteMessage(TextColour::Refusal, "그러나, 마법 지수가 충분하지 않습니다."_j);
        PressAnyKey();
        return false;
    }
    caster.SP = int16_t(caster.SP - cost);
    DrawSP();
    return true;
}

int casterLevel() { return Member[CurrentMember].Level; }

void applyToEveryone(void (*effect)(int)) {
    for (int t = 1; t <= kLastFightingSlot; ++t)
        if (!Member[t].Name.empty()) effect(t);
}

void allFour(int t) {
    Revive(t);
    WakeUp(t);
    CurePoison(t);
    HealOne(t);
}

void (*const kEffects[5])(int) = {HealOne, CurePoison, WakeUp, Revive, allFour};

void spellItems(int first) {
    SetMenuItems("선택"_j, {});
    for (int k = 0; k < 5; ++k) MenuItems[k + 1] = SpellName(kHealingSchool, first + k);
}

}  // namespace

int HealingSkill(int slot) {
    const MemberRecord& m = Member[slot];
    if (m.Family == kMageFamily) return m.Skills[3];
    if (m.Family == kFighterFamily && m.Class == 7) return m.Skills[2];
    return 0;
}

void HealOne(int t) {
    MemberRecord& m = Member[t];
    if (m.Dead > 0 || m.Unconscious > 0 || m.Poison > 0) return refuse(t, " 치료될 상태가 아닙니다."_j);
    if (m.HP >= FullHP(t)) return refuse(t, " 치료할 필요가 없습니다."_j);
    if (!pay(2L * casterLevel())) return;
    m.HP = ClampToI16(std::min<long>(long(m.HP) + 20L * casterLevel(), FullHP(t)));
    say(t, " 치료되어 졌습니다."_j);
}

void CurePoison(int t) {
    MemberRecord& m = Member[t];
    if (m.Dead > 0 || m.Unconscious > 0) return refuse(t, " 독이 치료될 상태가 아닙니다."_j);
    if (m.Poison == 0) return refuse(t, " 독에 걸리지 않았습니다."_j);
    if (!pay(15)) return;
    m.Poison = 0;
    WriteMessage(TextColour::Narration, Member[t].Name.str() + std::string("의 독은 제거 되었습니다."_j));
}

void WakeUp(int t) {
    MemberRecord& m = Member[t];
    if (m.Dead > 0) return refuse(t, " 의식이 돌아올 상태가 아닙니다."_j);
    if (m.Unconscious <= 0) return refuse(t, " 의식불명이 아닙니다."_j);
    if (!pay(10L * m.Unconscious)) return;
    m.Unconscious = 0;
    if (m.HP < 1) m.HP = 1;
    say(t, " 의식을 되찾았습니다."_j);
}

void Revive(int t) {
    MemberRecord& m = Member[t];
    if (m.Dead <= 0) return refuse(t, " 아직 살아 있습니다."_j);
    if (!pay(30L * m.Dead)) return;
    m.Dead = 0;
    m.Unconscious = ClampToI16(std::max<long>(std::min<long>(m.Unconscious, long(m.Endurance) * m.Level), 1));
    say(t, " 다시 생명을 얻었습니다."_j);
}

void HealingMagic() {
    int power = HealingSkill(CurrentMember) / 10;
    if (power < 1) {
        WriteMessage(TextColour::Refusal, "당신은 치료 마법을 사용할 능력이 없습니다."_j);
        PressAnyKey();
        return;
    }
    SetMenuItems("누구에게"_j, {});
    for (int t = 1; t <= kLastFightingSlot; ++t)
        MenuItems[t] = Member[t].Name.empty() ? std::string("없습니다"_j) : Member[t].Name.str();
    int everyoneItem = Member[kCompanionSlot].Name.empty() ? kCompanionSlot : kCompanionSlot + 1;
    MenuItems[everyoneItem] = "모든 사람들에게"_j;
    int target = Select(70, power >= kEveryoneItemSkill ? everyoneItem : everyoneItem - 1, everyoneItem, true, true);
    if (target == 0) return;

    if (target != everyoneItem) {
        spellItems(1);
        int spell = Select(70, std::min(power, 5), 5, true, true);
        if (spell == 0) return;
        kEffects[spell - 1](target);
    } else {
        spellItems(6);
        int spell = Select(70, std::min(power - 5, 5), 5, true, true);
        if (spell == 0) return;
        if (spell == 5) {
            for (void (*effect)(int) : {Revive, WakeUp, CurePoison, HealOne}) applyToEveryone(effect);
        } else {
            applyToEveryone(kEffects[spell - 1]);
        }
    }
    WriteBlankLine();
    WriteBlankLine();
    DrawPartyPanel();
    PressAnyKey();
}

}  // namespace vela
