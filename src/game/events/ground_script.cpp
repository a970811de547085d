// 대지 (map 1), the overworld: the hut of 레굴루스 and the gates of 타른 and
// 라스트디치.
#include "game/events/map_script.h"
#include "game/events/primitives.h"
#include "game/events/regulus_appointment.h"
#include "game/ui/menus.h"
#include "game/ui/messages.h"
#include "game/world/map_data.h"
#include "screen/johab.h"

namespace vela {

namespace {

void hut() {
    if (Stage() == 16) {
        ClearMessages();
        WriteMessage(7, " 이미 오두막은 파괴된 후였다."_j);
        return;
    }
    if (!AskEnter("레굴루스의 오두막"_j)) {
        StepOffSquare();
        return;
    }
    ChangeMap(9, 25, 40);
    if (AppointmentDue()) {
        SetMapTile(kHerbalistX, kHerbalistY, 49);
        SetBit(Bit::HutAppointment);
    } else if (IsSet(Bit::HutAppointment) && !IsSet(Bit::Vega)) {
        SetMapTile(kHerbalistX, kHerbalistY, 49);
    }
}

void tarnGate() {
    if (!AskEnter("타른 성"_j)) return;
    ChangeMap(6, 8, 48);
    if (Stage() == 4) {
        Say(7, {" 성문 앞에서 성주의 전령이 일행을 맞았다."_j,
                "",
                " 메너스에서 돌아오셨군요! 성주님께서"_j,
                "애타게 기다리고 계십니다. 어서 성으로"_j,
                "가 보십시오."_j});
    }
}

void lastDitchGate() {
    if (!AskEnter("라스트디치 성"_j)) return;
    ChangeMap(7, 38, 63);
}

}  // namespace

const MapScript& GroundScript() {
    static const MapScript script{
        {{{{82, 9}}, hut}},
        {
            {{{20, 11}}, tarnGate},
            {{{76, 57}}, lastDitchGate},
        },
        {},
        {},
    };
    return script;
}

}  // namespace vela
