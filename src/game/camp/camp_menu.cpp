#include "game/camp/camp_menu.h"

#include <string>

#include "game/camp/camp_esp.h"
#include "game/camp/change_magic.h"
#include "game/camp/exchange.h"
#include "game/camp/game_options.h"
#include "game/acts/healing_magic.h"
#include "game/acts/member_limits.h"
#include "game/camp/party_screens.h"
#include "game/camp/rest.h"
#include "game/acts/use_item.h"
#include "game/state/particles.h"
#include "game/state/party.h"
#include "game/ui/menus.h"
#include "game/ui/messages.h"
#include "screen/johab.h"

namespace vela {

namespace {

constexpr int kMapItems = 10;

// A member able to act uses an item. The letter key names the one who
// cannot with 이/가 after the blank and the name cut to 18 bytes; the camp
// menu with 은/는.
void useItemOnMap(bool fromKey) {
    CurrentMember = SelectMember(false);
    if (CurrentMember == 0) return;
    if (IsActive(CurrentMember)) return UseItem(kMapItems);
    std::string_view words = " 물품을 사용할 수 있는 상태가 아닙니다."_j;
    if (fromKey) {
        std::string name = (" " + Member[CurrentMember].Name.str()).substr(0, 18);
        WriteMessage(TextColour::Refusal, WithParticle(name, Particle::Subject) + std::string(words));
    } else {
        WriteMessage(TextColour::Refusal, NameTopic(CurrentMember) + std::string(words));
    }
}

}  // namespace

void CastCampMagic() {
    CurrentMember = SelectMember(true);
    if (CurrentMember == 0) return;
    HeShe();
    const MemberRecord& m = Member[CurrentMember];
    if (!IsActive(CurrentMember))
        return ClearAndWrite(TextColour::Refusal, HeSheText + std::string("는 마법을 사용할수있는 상태가 아닙니다"_j));
    if (m.Family == kFighterFamily && m.Class != 7)
        return WriteMessage(TextColour::Refusal, NameTopic(CurrentMember) + std::string(" 마법을 사용할 수 없는 계열입니다."_j));
    SetMenuItems("사용할 마법의 종류 ===>"_j, {"치료 마법"_j, "변화 마법"_j});
    switch (Select(kCampMenuY, 2, 2, true, true)) {
        case 1: HealingMagic(); break;
        case 2: ChangeMagic(); break;
        default: break;
    }
}

bool RunCampKey(uint8_t key) {
    static constexpr std::string_view kCommandKeys = "PVQCERUG";
    if (kCommandKeys.find(char(key)) == std::string_view::npos) return false;
    // On the map no battle is running, whatever the last fight or load left
    // in the battle state (as the camp menu's Space sets it too).
    PartyFate() = kFateNone;
    ClearMessages();
    switch (key) {
        case 'P': PartyOverview(); return true;
        case 'V': CharacterSheet(); return true;
        case 'Q': StateTable(); return true;
        case 'C': CastCampMagic(); return true;
        case 'E': CampEsp(); return true;
        case 'R': Rest(); return true;
        case 'U': useItemOnMap(true); return true;
        default: GameOptionsMenu(); return true;
    }
}

void CampMenu() {
    SetMenuItems("당신의 명령을 고르시오 ===>"_j,
                 {"일행의 상황을 본다       [P]"_j, "개인의 상황을 본다       [V]"_j, "일행의 건강 상태를 본다  [Q]"_j,
                  "마법을 사용한다          [C]"_j, "초능력을 사용한다        [E]"_j, "여기서 쉰다              [R]"_j,
                  "물품을 서로 교환한다"_j, "물품을 사용한다          [U]"_j, "게임 선택 상황           [G]"_j});
    switch (Select(kCampMenuY, 9, 9, true, true)) {
        case 1: PartyOverview(); break;
        case 2: CharacterSheet(); break;
        case 3: StateTable(); break;
        case 4: CastCampMagic(); break;
        case 5: CampEsp(); break;
        case 6: Rest(); break;
        case 7: ExchangeEquipment(); break;
        case 8: useItemOnMap(false); break;
        case 9: GameOptionsMenu(); break;
        default: break;
    }
}

}  // namespace vela
