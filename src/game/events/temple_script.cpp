// 빛의 사원 (map 13): the temple on the lake's island, and before its altar
// the one weapon the dark fears.
#include <string>

#include "game/events/map_script.h"
#include "game/events/primitives.h"
#include "game/events/underworld.h"
#include "game/state/names.h"
#include "game/state/particles.h"
#include "game/state/party.h"
#include "game/state/rules.h"
#include "game/ui/menus.h"
#include "game/ui/messages.h"
#include "game/ui/party_panel.h"
#include "screen/johab.h"

namespace vela {

namespace {

// The best of the long blades, blessed here.
constexpr int kTempleWeapon = 7;

void leave() { LeavePlace(kUnderworld1, 89, 93); }

bool someoneCanWieldIt() {
    for (int slot = 1; slot <= kLastPersonSlot; ++slot)
        if (!Member[slot].Name.empty() && CanUseWeapon(slot, kTempleWeapon)) return true;
    return false;
}

void weapon() {
    if (IsSet(Bit::TempleWeapon)) return;
    ClearMessages();
    // It is the long blade the arms shops sell, blessed here; the words say so.
    Say(TextColour::Scene, {std::string(" 제단 앞에 "_j) + WeaponName(kTempleWeapon) + std::string(" 한 자루가 꽂혀 있었다."_j),
                            "무기 상점에서도 파는 물결날 검이었지만,"_j,
                            "칼날은 돔의 빛과 같은 흰 빛을 은은하게"_j,
                            "뿜고 있었다."_j,
                            ""});
    Say(TextColour::Writing, {" 빛을 지키는 자에게 이 검을 맡긴다."_j,
                              "어둠의 문 앞에서 물러서지 말라."_j});
    // The names go below the words, so that both stay readable.
    WriteMessage(TextColour::Question, " 검을 맡을 사람을 고르시오."_j);
    int slot = ChooseMember(kMessageStartY + 16 * 9, false, false);
    if (slot == 0) {
        ClearMessages();
        WriteMessage(TextColour::Scene, " 일행은 검을 그대로 두었다."_j);
        return;
    }
    std::string name = Member[slot].Name.str();
    bool wields = CanUseWeapon(slot, kTempleWeapon);
    // The sword goes to the one who can wield it; a party without such a
    // fighter still takes it along, to hand over later.
    if (!wields && someoneCanWieldIt()) {
        ClearMessages();
        WriteMessage(TextColour::Refusal,
                     std::string(" "_j) + WithParticle(name, Particle::Subject) + std::string(" 이 검을 다룰 수 없습니다."_j));
        return;
    }
    Member[slot].Weapon = uint8_t(kTempleWeapon);
    UpdateEquipment(slot);
    ClearMessages();
    if (!wields)
        Say(TextColour::Scene, {" 일행 가운데 이 검을 다룰 수 있는 사람은"_j,
                                "없었다. 그래도 검을 두고 갈 수는 없었다."_j});
    std::string weaponName = WeaponName(kTempleWeapon);
    WriteMessage(TextColour::Scene, std::string(" "_j) + WithParticle(name, Particle::Subject) + " " +
                                        WithParticle(weaponName, Particle::Object) +
                                        std::string(wields ? std::string_view(" 손에 쥐었다."_j)
                                                           : std::string_view(" 거두어 지녔다."_j)));
    Say(TextColour::Scene, {" 검이 손에 닿는 순간, 사원 전체가 한 번"_j, "환하게 빛났다."_j});
    SetBit(Bit::TempleWeapon);
    SetBit(Bit::ObjectiveTemple);
    DrawPartyPanel();
}

}  // namespace

const MapScript& TempleScript() {
    static const MapScript script{
        {
            {{{20, 8}}, weapon},
            {{{19, 43}, {20, 43}, {21, 43}}, leave},
        },
        {},
        {},
        {},
    };
    return script;
}

}  // namespace vela
