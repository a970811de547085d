#include "game/camp/exchange.h"

#include <string>

#include "game/state/party.h"
#include "game/state/rules.h"
#include "game/ui/menus.h"
#include "game/ui/messages.h"
#include "game/ui/party_panel.h"
#include "screen/johab.h"
#include "screen/text_output.h"

namespace vela {

namespace {

constexpr int kMemberMenuY = 90;

// Members 1..5 after the heading at x, the names indented to stand under it.
int chooseMember(int x, std::string_view heading, const std::string& indent, bool clearAfter) {
    WriteLineNoScroll(x, 70, TextColour::Choice, heading);
    SetMenuItems("", {});
    for (int slot = 1; slot <= kLastPersonSlot; ++slot)
        MenuItems[slot] = indent + (Member[slot].Name.empty() ? std::string("빈자리"_j) : Member[slot].Name.str());
    return Select(kMemberMenuY, kLastPersonSlot, kLastPersonSlot, false, clearAfter);
}

uint8_t& itemOf(MemberRecord& m, int kind) { return kind == 1 ? m.Weapon : kind == 2 ? m.Shield : m.Armour; }

}  // namespace

void ExchangeEquipment() {
    SetMenuItems("서로 바꿀 물품을 고르시오"_j, {"사용중인 무기"_j, "사용중인 방패"_j, "사용중인 갑옷"_j});
    int kind = Select(kMemberMenuY, 3, 3, true, true);
    if (kind == 0) return;
    std::string heading = std::string(kind == 1 ? "무기를"_j : kind == 2 ? "방패를"_j : "갑옷을"_j) +
                          std::string(" 바꿀 일원"_j);
    int first = chooseMember(275, heading, "", false);
    // An empty slot has nothing to give and nobody to take: things handed to
    // it would vanish when someone joins.
    if (first == 0 || Member[first].Name.empty() || Member[first].Name.str() == "Reserved") {
        ClearMessages();
        return;
    }
    int second = chooseMember(465, heading, std::string(24, ' '), true);
    if (second == 0 || Member[second].Name.empty()) return;
    std::swap(itemOf(Member[first], kind), itemOf(Member[second], kind));
    UpdateEquipment(first);
    UpdateEquipment(second);
    DrawPartyPanel();
}

}  // namespace vela
