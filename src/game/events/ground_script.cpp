// 대지 (map 1), the overworld: the hut of 레굴루스, the gates of 타른 and
// 라스트디치, and the mouths of 메너스 and the pyramid.
#include "game/events/final_scene.h"
#include "game/events/map_script.h"
#include "game/events/primitives.h"
#include "game/events/regulus_appointment.h"
#include "game/state/party.h"
#include "game/ui/menus.h"
#include "game/ui/messages.h"
#include "game/world/map_data.h"
#include "screen/johab.h"

namespace vela {

namespace {

void hut() {
    if (Stage() == StoryStage::MephistoSlain) {
        ClearMessages();
        WriteMessage(TextColour::Scene, " 이미 오두막은 파괴된 후였다."_j);
        return;
    }
    if (!AskEnter("레굴루스의 오두막"_j)) {
        StepOffSquare();
        return;
    }
    ChangeMap(kRegulus, 25, 40);
    if (AppointmentDue()) {
        SetMapTile(kHerbalistX, kHerbalistY, 49);
        SetBit(Bit::HutAppointment);
    } else if (IsSet(Bit::HutAppointment) && !IsSet(Bit::Vega)) {
        SetMapTile(kHerbalistX, kHerbalistY, 49);
    }
}

void tarnGate() {
    if (!AskEnter("타른 성"_j)) return;
    if (Stage() == StoryStage::MephistoSlain) {
        FinalChoice();
        return;
    }
    ChangeMap(kTarn, 8, 48);
    if (Stage() == StoryStage::FoughtTheFiends) {
        Say(TextColour::Speech, {" 성문 앞에서 성주의 전령이 일행을 맞았다."_j,
                                 "",
                                 " 메너스에서 돌아오셨군요! 성주님께서"_j,
                                 "애타게 기다리고 계십니다. 어서 성으로"_j,
                                 "가 보십시오."_j});
    }
}

void lastDitchGate() {
    if (Stage() == StoryStage::MephistoSlain) {
        ClearMessages();
        Say(TextColour::Scene, {" 라스트디치 성이 있던 자리에는 끓어오르는"_j,
                                "용암만이 붉게 일렁이고 있었다. 성벽도,"_j,
                                "탑도, 세리우스 공의 서고도 보이지 않았다."_j,
                                " 옛 글을 지키던 학자 성주는 성의 사람들과"_j,
                                "함께 그 불길 아래 잠들었을 것이다."_j});
        return;
    }
    if (!AskEnter("라스트디치 성"_j)) return;
    ChangeMap(kLastDitch, 38, 63);
}

// The dens of the first act; at the last stage the cave of 메너스 has
// caved in and the pyramid has sunk into the sand.
void menaceGate() {
    if (Stage() != StoryStage::MephistoSlain) {
        if (AskEnter("메너스"_j)) ChangeMap(kMenace, 9, 44);
        return;
    }
    ClearMessages();
    Say(TextColour::Scene, {" 메너스의 동굴은 무너져 내려 입구조차"_j,
                            "찾을 수 없었다. 갈라진 바위 틈으로 검은"_j,
                            "연기만이 가늘게 새어 나오고 있었다."_j});
    SetBit(Bit::ObjectiveMenace);
}

// Fewer than three in the party, or nobody yet at level 3: the mouth of
// the pyramid warns before the party goes in (it still may).
bool tooWeakForThePyramid() {
    int members = 0;
    bool seasoned = false;
    for (int slot = 1; slot <= kLastFightingSlot; ++slot) {
        if (Member[slot].Name.empty()) continue;
        ++members;
        seasoned = seasoned || Member[slot].Level >= 3;
    }
    return members < 3 || !seasoned;
}

void pyramidGate() {
    if (Stage() != StoryStage::MephistoSlain) {
        bool enter = tooWeakForThePyramid() ? AskEnter("알수없는 피라미드"_j, {" 입구에서 서늘한 바람이 불어 나온다."_j,
                                                                       " 지금의 일행으로 들어가기에는 위험해"_j,
                                                                       "보인다. 타른에서 동료를 모으고 경험을"_j,
                                                                       "쌓은 뒤에 오는 편이 나을 것이다."_j})
                                            : AskEnter("알수없는 피라미드"_j);
        if (enter)
            ChangeMap(kPyramid, 100, 98);
        return;
    }
    ClearMessages();
    Say(TextColour::Scene, {" 피라미드는 무너져 모래 언덕 아래에"_j,
                            "묻혀 버렸다. 꼭대기의 돌 몇 개만이 모래"_j,
                            "위로 삐죽이 솟아 있을 뿐이었다."_j});
}

}  // namespace

const MapScript& GroundScript() {
    static const MapScript script{
        {{{{82, 9}}, hut}},
        {
            {{{20, 11}}, tarnGate},
            {{{76, 57}}, lastDitchGate},
            {{{17, 89}}, menaceGate},
            {{{84, 86}}, pyramidGate},
        },
        {},
        {},
    };
    return script;
}

}  // namespace vela
