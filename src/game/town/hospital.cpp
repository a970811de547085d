#include <string>

#include "game/state/party.h"
#include "game/state/particles.h"
#include "game/town/services.h"
#include "game/ui/menus.h"
#include "game/ui/messages.h"
#include "game/ui/party_panel.h"
#include "screen/johab.h"

namespace vela {

namespace {

int32_t maxHP(const MemberRecord& m) { return int32_t(m.Endurance) * m.Level * 10; }

// The member's name with its topic particle, then the text.
void tell(int slot, TextColour colour, std::string_view text) {
    std::string name = Member[slot].Name.str();
    WriteMessage(colour, WithParticle(name, Particle::Topic) + std::string(text));
}

bool pay(int32_t price) {
    if (price > Party.Gold) {
        SayNotEnoughMoney();
        return false;
    }
    Party.Gold -= price;
    return true;
}

void heal(int slot) {
    MemberRecord& m = Member[slot];
    if (m.Dead > 0) return tell(slot, TextColour::Refusal, " 이미 죽은 상태입니다"_j);
    if (m.Unconscious > 0) return tell(slot, TextColour::Refusal, " 이미 의식불명입니다"_j);
    if (m.Poison > 0) return tell(slot, TextColour::Refusal, " 독이 퍼진 상태입니다"_j);
    if (m.HP >= maxHP(m)) return tell(slot, TextColour::Keeper, " 치료할 필요가 없습니다"_j);
    if (!pay(HealPrice(slot))) return;
    m.HP = int16_t(maxHP(m));
    std::string name = m.Name.str();
    WriteMessage(TextColour::Narration, WithParticle(name, Particle::Topic) +
                                            (m.Sex == 0 ? std::string(" 그의"_j) : std::string(" 그녀의"_j)) +
                                            std::string(" 모든 건강이 회복되었다"_j));
    DrawHP();
}

void cure(int slot) {
    MemberRecord& m = Member[slot];
    if (m.Dead > 0) return tell(slot, TextColour::Refusal, " 이미 죽은 상태입니다"_j);
    if (m.Unconscious > 0) return tell(slot, TextColour::Refusal, " 이미 의식불명입니다"_j);
    if (m.Poison == 0) return tell(slot, TextColour::Keeper, " 독에 걸리지 않았습니다"_j);
    if (!pay(CurePrice(slot))) return;
    m.Poison = 0;
    tell(slot, TextColour::Keeper, " 독이 제거 되었습니다"_j);
    DrawConditions();
}

void wake(int slot) {
    MemberRecord& m = Member[slot];
    if (m.Dead > 0) return tell(slot, TextColour::Refusal, " 이미 죽은 상태입니다"_j);
    if (m.Unconscious == 0) return tell(slot, TextColour::Keeper, " 의식불명이 아닙니다"_j);
    if (!pay(WakePrice(slot))) return;
    m.Unconscious = 0;
    m.HP = 1;
    tell(slot, TextColour::Keeper, " 의식을 차렸습니다"_j);
    DrawConditions();
    DrawHP();
}

void revive(int slot) {
    MemberRecord& m = Member[slot];
    if (m.Dead == 0) return tell(slot, TextColour::Keeper, " 죽지 않았습니다"_j);
    if (!pay(RevivePrice(slot))) return;
    m.Dead = 0;
    m.Unconscious = int16_t(std::min<int32_t>(m.Unconscious, int32_t(m.Endurance) * m.Level));
    tell(slot, TextColour::Keeper, " 다시 살아났습니다"_j);
    DrawConditions();
}

}  // namespace

int32_t HealPrice(int slot) {
    const MemberRecord& m = Member[slot];
    int32_t tenths = (maxHP(m) - m.HP) * m.Level;
    int32_t whole = tenths / 10, rest = tenths % 10;
    if (rest > 5 || (rest == 5 && whole % 2 == 1)) ++whole;
    return whole + 1;
}

int32_t CurePrice(int slot) { return Member[slot].Level * 10; }
int32_t WakePrice(int slot) { return Member[slot].Unconscious * 2; }
int32_t RevivePrice(int slot) { return Member[slot].Dead * 100 + 400; }

void Hospital() {
    WriteMessage(TextColour::Keeper, "여기는 병원입니다."_j);
    PressAnyKey();
    for (;;) {
        WriteMessage(TextColour::Keeper, "누가 치료를 받겠습니까 ?"_j);
        int slot = SelectMember(false);
        if (slot == 0) {
            DrawPartyPanel();
            ClearMessages();
            return;
        }
        for (;;) {
            SetMenuItems("어떤 치료입니까 ?"_j, {"상처를 치료"_j, "독을 제거"_j, "의식의 회복"_j, "부활"_j});
            int treatment = Select(70, 4, 4, false, true);
            if (treatment == 0) {
                ClearMessages();
                break;
            }
            if (treatment == 1) heal(slot);
            if (treatment == 2) cure(slot);
            if (treatment == 3) wake(slot);
            if (treatment == 4) revive(slot);
            PressAnyKey();
        }
    }
}

}  // namespace vela
