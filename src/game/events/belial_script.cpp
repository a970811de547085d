// 베리알의 동굴 (map 15): the bridge, the hall of chains and the throne door,
// each with its guards, and 베리알 on his throne. The landing's south end is
// the way back up.
#include "game/events/event_dispatch.h"
#include "game/events/map_script.h"
#include "game/events/primitives.h"
#include "game/events/underworld.h"
#include "game/ui/messages.h"
#include "game/world/map_data.h"
#include "game/world/map_view.h"
#include "screen/johab.h"

namespace vela {

namespace {

void leave() { LeavePlace(kUnderworld1, 36, 17); }

void bridge() {
    GuardFight(Bit::BelialGuard1,
               {" 다리 위에 쇠사슬을 찬 검투사들이 줄지어"_j,
                "섰다. 그들의 눈에는 아무런 빛도 없었다."_j},
               {62, 62, 62});
}

void hallOfChains() {
    GuardFight(Bit::BelialGuard2,
               {" 사슬의 방 문을 바실리스크와 검투사들이"_j, "막아섰다."_j},
               {31, 62, 62});
}

// The last guard falls and the throne's door opens onto 베리알 himself. The
// door's guard, his own guard and he fight one after another with no rest
// between, so the two guards are gladiators only: the nightmares' fire storm
// in all three left a prepared party one chance in sixteen.
void throneDoor() {
    if (!GuardFight(Bit::BelialGuard3,
                    {" 거짓의 왕께 가려거든 우리의 시체를"_j, "밟고 가라!"_j},
                    {62, 62}))
        return;
    if (IsSet(Bit::BelialSlain)) return;
    SetBit(Bit::ObjectiveBelial);
    MoveParty(30, 9);
    SpecialSquare();
}

void throne() {
    if (IsSet(Bit::BelialSlain)) {
        leave();
        return;
    }
    ClearMessages();
    Say(TextColour::FoeWords, {" 어서 오너라, 지상의 벌레들아. 나는"_j,
                               "베리알, 거짓의 왕이다."_j,
                               " 너희의 성주가 무어라 하더냐? 악마를"_j,
                               "물리치면 세상이 구원된다고? 하하하!"_j,
                               "그 말부터가 거짓이다. 내가 쓰러져도"_j,
                               "문은 열려 있고, 그분은 오신다."_j});
    PressAnyKey();
    if (!WonOnSquare(FightOn({62, 62}))) return;
    ClearMessages();
    Say(TextColour::FoeWords, {" 제법이구나. 하지만 이번엔 내가 직접"_j, "상대해 주마!"_j});
    PressAnyKey();
    if (!WonOnSquare(FightOn({63, 62, 62}))) return;
    SetBit(Bit::BelialSlain);
    SetMapTile(30, 7, 44);
    DrawMapView(true);
    ClearMessages();
    Say(TextColour::Scene, {" 베리알의 몸이 검은 재가 되어 무너졌다."_j,
                            "옥좌 뒤에서 문 하나가 닫히는 소리가"_j,
                            "멀리 울렸다."_j,
                            "",
                            " 첫 번째 문이 닫혔다."_j});
}

}  // namespace

const MapScript& BelialScript() {
    static const MapScript script{
        {
            {{{30, 39}}, bridge},
            {{{30, 23}}, hallOfChains},
            {{{30, 15}}, throneDoor},
            {{{30, 9}}, throne},
            {{{30, 44}}, leave},
        },
        {},
        {},
        {},
    };
    return script;
}

}  // namespace vela
