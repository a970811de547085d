#include "game/battle/enemy_group.h"
#include "game/camp/game_options.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "game/save/save_dialogs.h"
#include "game/state/names.h"
#include "game/state/party.h"
#include "game/save/end_of_game.h"
#include "game/ui/menus.h"
#include "game/ui/messages.h"
#include "game/ui/party_panel.h"
#include "screen/johab.h"
#include "screen/text_output.h"

namespace vela {

namespace {

// Each question opens on the current setting, so that an Enter which only
// passes by keeps it.
void chooseDifficulty() {
    ClearMessages();
    WriteLineNoScroll(275, 30, TextColour::Title, "한번에 출현하는 적들의"_j);
    WriteLineNoScroll(287, 46, TextColour::Title, "최대치를 기입하십시오"_j);
    SetMenuItems("", {});
    for (int k = 1; k <= 6; ++k) MenuItems[k] = std::to_string(k + 2) + std::string(" 명의 적들"_j);
    uint8_t& maxEnemies = Party.Flags[FlagMaxEnemies];
    if (int k = Choose(kCampMenuY, std::clamp(maxEnemies - 2, 1, 6), 6, 6, false, true); k > 0)
        maxEnemies = uint8_t(k + 2);

    SetMenuItems("일행들의 지금 성격은 어떻습니까 ?"_j,
                 {"일부러 전투를 피하고 싶다"_j, "너무 잦은 전투는 원하지 않는다"_j, "마주친 적과는 전투를 하겠다"_j,
                  "보이는 적들과는 모두 전투하겠다"_j, "그들은 피에 굶주려 있다"_j});
    uint8_t& temperament = Party.Flags[FlagTemperament];
    if (int k = Choose(kCampMenuY, std::clamp(6 - temperament, 1, 5), 5, 5, true, true); k > 0)
        temperament = uint8_t(6 - k);

    SetMenuItems("의식 불명인 적까지 공격 하겠습니까 ?"_j, {"물론 그렇다"_j, "그렇지 않다"_j});
    if (int k = Choose(kCampMenuY, AttackUnconscious ? 1 : 2, 2, 2, true, true); k > 0)
        AttackUnconscious = k == 1 ? 1 : 0;
}

// Members first..last as menu items, an empty slot shown as emptyText, each
// after the given indent.
void memberItems(int first, int last, std::string_view emptyText, const std::string& indent) {
    SetMenuItems("", {});
    for (int slot = first; slot <= last; ++slot)
        MenuItems[slot - first + 1] =
            indent + (Member[slot].Name.empty() ? std::string(emptyText) : Member[slot].Name.str());
}

// The leader and the companion keep their places; members 2..5 swap whole
// records through the spare slot. The second list opens on the member
// chosen first: an Enter there leaves the order as it is.
void orderMembers() {
    ClearMessages();
    WriteLineNoScroll(275, 30, TextColour::Title, "현재의 일원의 전투 순서를 정렬 하십시오."_j);
    WriteLineNoScroll(265, 70, TextColour::Choice, "순서를 바꿀 일원"_j);
    memberItems(2, 5, " 빈자리"_j, "");
    int first = Select(90, 4, 4, false, false);
    if (first == 0) {
        ClearMessages();
        return;
    }
    WriteLineNoScroll(445, 70, TextColour::Choice, "순서를 바꿀 일원"_j);
    memberItems(2, 5, " 빈자리"_j, std::string(23, ' '));
    int second = Choose(90, first, 4, 4, false, true);
    if (second == 0) return;
    Member[kSwapSlot] = Member[first + 1];
    Member[first + 1] = Member[second + 1];
    Member[second + 1] = Member[kSwapSlot];
    DrawPartyPanel();
}

// Only the item number is cleared; the member keeps the power and armour
// values it had.
void unequip() {
    ClearAndWrite(TextColour::Title, "장비를 제거할 사람을 고르시오."_j);
    int slot = SelectMember(false);
    if (slot == 0) return;
    MemberRecord& m = Member[slot];
    WriteMessage(TextColour::Title, "제거할 장비를 고르시오."_j);
    SetMenuItems("", {WeaponName(m.Weapon), ShieldName(m.Shield), ArmourName(m.Armour)});
    int kind = Select(kCampMenuY + 16, 3, 3, false, true);
    if (kind == 0) return;
    std::string_view said;
    if (kind == 1) {
        m.Weapon = 0;
        said = "의 무기는 해제 되었습니다."_j;
    } else if (kind == 2) {
        m.Shield = 0;
        said = "의 방패는 해제 되었습니다."_j;
    } else {
        m.Armour = 0;
        said = "의 갑옷은 해제 되었습니다."_j;
    }
    WriteMessage(TextColour::Scene, m.Name.str() + std::string(said));
}

void dismissMember() {
    ClearMessages();
    WriteLineNoScroll(275, 35, TextColour::Title, "일행에서 제외 시킬 사람을 고르십시오."_j);
    memberItems(2, kCompanionSlot, "빈자리"_j, "");
    int k = Select(kCampMenuY, 5, 5, false, true);
    if (k == 0) return;
    Member[k + 1].Name.Length = 0;
    DrawPartyPanel();
}

}  // namespace

void GameOptionsMenu() {
    SetMenuItems("게임 선택 상황"_j, {"난이도 조절"_j, "정식 일행의 순서 정렬"_j, "일행의 장비를 해제"_j,
                                      "일행에서 제외 시킴"_j, "이전의 게임을 재개"_j, "현재의 게임을 저장"_j,
                                      "게임을 마침"_j});
    switch (Select(kCampMenuY, 7, 7, true, true)) {
        case 1: chooseDifficulty(); break;
        case 2: orderMembers(); break;
        case 3: unequip(); break;
        case 4: dismissMember(); break;
        case 5: RestoreGame(); break;
        case 6: SaveDialog(); break;
        case 7: EndOfGameDialog(); break;
        default: break;
    }
}

}  // namespace vela
