#include "game/camp/rest.h"

#include <algorithm>
#include <string>

#include "game/acts/member_limits.h"
#include "game/acts/number_selector.h"
#include "game/state/party.h"
#include "game/state/rules.h"
#include "game/ui/messages.h"
#include "game/ui/party_panel.h"
#include "screen/johab.h"
#include "screen/text_output.h"

namespace vela {

int RestHours = 6;

namespace {

// True when the player accepted the hours with Enter, false on Esc.
bool chooseHours() {
    ClearMessages();
    WriteMessage(TextColour::Choice, "일행이 여기서 쉴 시간을 지정 하십시오."_j);
    WriteAt(266, 70, TextColour::EntryLabel, "## ", false);
    WriteAt(306, 70, TextColour::EntryLabel, " 시간 동안"_j, false);
    int hours = ChooseNumber(290, 70, RestHours, 1, 24, 2);
    if (hours < 0) {
        ClearMessages();
        return false;
    }
    RestHours = hours;
    SetTextCursor(TextCursor.x, 70);  // the rest's lines follow the hours line
    return true;
}

std::string possessive(const MemberRecord& m) { return m.Sex == 0 ? std::string("그의"_j) : std::string("그녀의"_j); }

void eatOne() {
    if (Party.Food > 0) --Party.Food;
}

void restMember(int slot, int hours) {
    MemberRecord& m = Member[slot];
    std::string name = m.Name.str();
    if (Party.Food == 0) {
        WriteMessage(TextColour::Misfortune, "일행은 식량이 바닥났다"_j);
    } else if (m.Dead > 0) {
        WriteMessage(TextColour::Refusal, NameTopic(slot) + std::string(" 죽었다"_j));
    } else if (m.Unconscious > 0 && m.Poison == 0) {
        m.Unconscious = ClampToI16(long(m.Unconscious) - long(m.Level) * (hours / 2));
        if (m.Unconscious > 0) {
            WriteMessage(TextColour::Narration, NameTopic(slot) + std::string(" 여전히 의식 불명이다"_j));
        } else {
            WriteMessage(TextColour::Narration, NameTopic(slot) + std::string(" 의식이 회복되었다"_j));
            m.Unconscious = 0;
            if (m.HP < 1) m.HP = 1;
            eatOne();
        }
    } else if (m.Unconscious > 0) {
        WriteMessage(TextColour::Refusal,
                     std::string("독때문에, "_j) + name + " " + possessive(m) + std::string(" 의식은 회복되지 않았다"_j));
    } else if (m.Poison > 0) {
        WriteMessage(TextColour::Refusal,
                     std::string("독때문에, "_j) + name + " " + possessive(m) + std::string(" 건강은 회복되지 않았다"_j));
    } else {
        int full = FullHP(slot);
        bool wasFull = m.HP >= full;
        m.HP = ClampToI16(std::min<long>(long(m.HP) + long(m.Level) * hours, full));
        if (m.HP < full)
            WriteMessage(TextColour::Narration, NameTopic(slot) + std::string(" 치료되었다"_j));
        else
            WriteMessage(TextColour::Narration, NameTopic(slot) + std::string(" 모든 건강이 회복되었다"_j));
        // A member who was whole already needs no meal.
        if (!wasFull) eatOne();
    }
}

// The highest level whose trained-experience threshold the member reached.
int earnedLevel(const MemberRecord& m) {
    int level = 1;
    for (int l = 2; l <= kMaxLevel; ++l)
        if (m.TrainedExperience >= LevelExperience(l)) level = l;
    return level;
}

}  // namespace

void Rest() {
    if (!chooseHours()) return;
    int hours = RestHours;
    for (int slot = 1; slot <= kLastFightingSlot; ++slot)
        if (!Member[slot].Name.empty()) restMember(slot, hours);

    uint8_t& torch = Party.Flags[FlagTorch];
    int burnt = hours / 3 + 1;
    torch = torch < burnt ? 0 : uint8_t(torch - burnt);
    Party.Flags[FlagWalkOnWater] = 0;
    Party.Flags[FlagWalkOnSwamp] = 0;
    Party.Flags[FlagLevitation] = 0;

    for (int slot = 1; slot <= kLastFightingSlot; ++slot)
        if (IsActive(slot)) Member[slot].SP = ClampToI16(FullSP(slot));

    WriteBlankLine();
    for (int slot = 1; slot <= kLastFightingSlot; ++slot) {
        if (!IsActive(slot)) continue;
        MemberRecord& m = Member[slot];
        int level = earnedLevel(m);
        if (level <= m.Level) continue;
        m.Level = uint8_t(level);
        WriteMessage(TextColour::Success,
                     m.Name.str() + std::string("의 레벨은 "_j) + std::to_string(level) + std::string(" 입니다"_j));
    }
    DrawPartyPanel();
    AddTime(hours, 0, 0);
}

}  // namespace vela
