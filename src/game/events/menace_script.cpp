// 메너스 (map 10): the cave of the black altar. Once the sages have opened
// the way, the altar takes the party down: to 지하 세계 1 at the first and
// second descents, to 지하 세계 2 at the last. Row 45 is the cave's mouth.
#include "game/events/map_script.h"
#include "game/events/primitives.h"
#include "game/events/underworld.h"
#include "game/state/party.h"
#include "game/ui/messages.h"
#include "screen/johab.h"

namespace vela {

namespace {

void leave() { LeavePlace(1, 17, 88); }

// The descents: the altar stone opens under the party's feet.
void altar() {
    int stage = Stage();
    if (stage != 9 && stage != 12 && stage != 15) return;
    ClearMessages();
    Say(7, {" 검은 제단이 낮게 울리더니, 현자들이 새긴"_j,
            "빛의 문양이 제단 위에 떠올랐다. 발밑의"_j,
            "돌이 갈라지며 끝없는 계단이 드러났다."_j,
            "",
            " 일행은 한 사람씩 어둠 속으로 내려갔다."_j});
    PressAnyKey();
    Curtain();
    if (stage == 15) {
        EnterUnderworld2(30, 84);
        return;
    }
    SetBit(stage == 9 ? Bit::ObjectiveMenace : Bit::ObjectiveSecondGate);
    if (stage == 9)
        ChangeMap(3, 51, 51);
    else
        ChangeMap(3, 14, 24);
}

}  // namespace

const MapScript& MenaceScript() {
    static const MapScript script{
        {
            {{{25, 43}, {26, 43}}, altar},
            {{{8, 45}, {9, 45}, {10, 45}}, leave},
        },
        {},
        {},
        {},
    };
    return script;
}

}  // namespace vela
