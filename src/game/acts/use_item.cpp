#include "game/acts/use_item.h"

#include <algorithm>
#include <string>

#include "game/acts/summoning.h"
#include "game/acts/member_limits.h"
#include "game/acts/teleport.h"
#include "game/state/names.h"
#include "game/state/particles.h"
#include "game/state/party.h"
#include "game/ui/menus.h"
#include "game/ui/messages.h"
#include "game/ui/party_panel.h"
#include "game/world/map_view.h"
#include "screen/johab.h"
#include "screen/text_output.h"

namespace vela {

namespace {

enum Item {
    kHealingPotion = 1, kMagicPotion, kAntidote, kWakingHerb, kRevivingHerb,
    kSummoningScroll, kGreatTorch, kCrystalBall, kFlyingBoots, kMovingOrb
};

bool inBattle() { return PartyFate() != kFateNone; }

// " <name>은/는<words>", in the colour.
void sayAbout(int slot, TextColour colour, std::string_view words) {
    WriteMessage(colour, " " + NameTopic(slot) + std::string(words));
}

// The points plus 1000, cut to full; says which.
int16_t toppedUp(int m, int16_t points, int full, std::string_view allWords, std::string_view someWords) {
    long raised = long(points) + 1000;
    sayAbout(m, TextColour::Narration, raised > full ? allWords : someWords);
    return ClampToI16(std::min<long>(raised, full));
}

void healingPotion(int m) {
    Member[m].HP = toppedUp(m, Member[m].HP, FullHP(m), " 모든 건강이 회복 되었습니다."_j, " 건강이 회복 되었습니다."_j);
}

void magicPotion(int m) {
    if (!HasMagic(m)) return sayAbout(m, TextColour::Refusal, " 마법사 계열이 아닙니다."_j);
    Member[m].SP =
        toppedUp(m, Member[m].SP, FullSP(m), " 모든 마법 지수가 회복 되었습니다."_j, " 마법 지수가 회복 되었습니다."_j);
}

void antidote(int m) {
    if (Member[m].Poison == 0) return sayAbout(m, TextColour::Refusal, " 중독 되지 않았습니다."_j);
    Member[m].Poison = 0;
    sayAbout(m, TextColour::Narration, " 해독 되었습니다."_j);
}

void wakingHerb(int t) {
    MemberRecord& m = Member[t];
    if (m.Unconscious <= 0) return sayAbout(t, TextColour::Refusal, " 의식이 있습니다."_j);
    m.Unconscious = 0;
    if (m.Dead > 0) return sayAbout(t, TextColour::Refusal, " 이미 죽은 상태 입니다."_j);
    if (m.HP < 1) m.HP = 1;
    sayAbout(t, TextColour::Narration, " 의식을 차렸습니다."_j);
}

void revivingHerb(int t) {
    MemberRecord& m = Member[t];
    if (m.Dead <= 0) return sayAbout(t, TextColour::Refusal, " 죽지 않았습니다."_j);
    if (m.Dead >= 10000)
        return WriteMessage(TextColour::Refusal, m.Name.str() + std::string("의 죽음은 이 약초로는 살리지 못합니다."_j));
    m.Dead = 0;
    int limit = m.Endurance * m.Level;
    if (m.Unconscious >= limit) m.Unconscious = ClampToI16(limit - 1);
    sayAbout(t, TextColour::Narration, " 다시 살아났습니다."_j);
}

// 5 x the average level of the members 1..5 able to act, rounded.
int scrollSkill() {
    int sum = 0, count = 0;
    for (int slot = 1; slot <= kLastPersonSlot; ++slot)
        if (IsActive(slot)) {
            sum += Member[slot].Level;
            ++count;
        }
    return count == 0 ? 0 : 5 * ((2 * sum + count) / (2 * count));
}

// The scroll casts 다른 차원 생물 소환 into member slot 6.
void summon() {
    constexpr int kOtherDimension = 6;
    SummonWithSkill(kOtherDimension, scrollSkill());
    std::string name = Member[kCompanionSlot].Name.str();
    WriteMessage(TextColour::Narration,
                 WithParticle(name, Particle::Subject) + std::string(" 다른 차원으로 부터 소환 되어졌습니다."_j));
    DrawPartyPanel();
}

// The medicine takes effect; false when the member choice was cancelled.
bool useOn(int item, int user) {
    switch (item) {
        case kHealingPotion: healingPotion(user); return true;
        case kMagicPotion: magicPotion(user); return true;
        case kAntidote: antidote(user); return true;
        default: {
            int t = SelectMember(false);
            if (t == 0) return false;
            if (item == kWakingHerb)
                wakingHerb(t);
            else
                revivingHerb(t);
            return true;
        }
    }
}

}  // namespace

void UseItem(int selectable) {
    SetMenuItems("사용할 물품을 고르시오."_j, {});
    for (int item = 1; item <= 10; ++item) MenuItems[item] = ItemName(item);
    int item = Select(70, std::clamp(selectable, 0, 10), 10, true, true);
    if (item == 0) return;
    uint8_t& count = Party.Items[item];
    if (count == 0) {
        WriteMessage(TextColour::Refusal, std::string(" 하지만 "_j) + WithParticle(ItemName(item), Particle::Subject) +
                                              std::string(" 없습니다."_j));
        PressAnyKey();
        return;
    }
    --count;
    int user = CurrentMember;
    switch (item) {
        case kSummoningScroll: summon(); break;
        case kGreatTorch:
            Party.Flags[FlagTorch] = uint8_t(std::min(255, Party.Flags[FlagTorch] + 10));
            WriteMessage(TextColour::Narration, " 일행은 대형 횃불을 켰습니다."_j);
            DrawMapView(true);
            break;
        case kCrystalBall: WatcherEye(); break;
        case kFlyingBoots:
            Party.Flags[FlagWalkOnWater] = Party.Flags[FlagWalkOnSwamp] = Party.Flags[FlagLevitation] = 255;
            WriteMessage(TextColour::Narration, " 일행은 모두 비행 부츠를 신었습니다."_j);
            break;
        case kMovingOrb: Teleport(); break;
        default:
            // Esc at the member choice is no use of the herb: it goes back.
            if (!useOn(item, user)) {
                ++count;
                return;
            }
            DrawPartyPanel();
            break;
    }
    if (item == kCrystalBall) return;
    std::string name = ItemName(item);
    WriteLineNoScroll(kMessageLeft + 3, 256, TextColour::ItemsLeft,
                      " " + WithParticle(name, Particle::Topic) + std::string(" 이제 "_j) + std::to_string(count) +
                          std::string("개 남았습니다."_j));
    if (inBattle()) PressAnyKey();
}

}  // namespace vela
