// 흉성의 증거 (map 11): the buried archive under the pyramid. The tablet
// names the star's master, the hall below the closed stair shows what it
// means, and the stairs on row 35 lead back up.
#include "game/events/map_script.h"
#include "game/events/primitives.h"
#include "game/ui/messages.h"
#include "screen/johab.h"

namespace vela {

namespace {

void tablet() {
    ClearMessages();
    Say(TextColour::Scene, {" 벽에 새겨진 석판에 옛 글씨가 빼곡하다."_j});
    WriteBlankLine();
    Say(TextColour::Writing, {" 붉은 별이 동쪽 바다 위에 뜨는 날,"_j, "세계와 세계 사이의 문이 열리리라."_j,
                              " 문 너머에서 기다리는 자의 이름은"_j, "에레보스. 빛이 없던 때부터 있던 자."_j,
                              " 그의 네 마왕이 문을 지키니, 베리알,"_j, "몰록, 아스모데우스, 메피스토펠레스라."_j});
    SetBit(Bit::EvidenceTablet);
}

void redStarHall() {
    ClearMessages();
    if (!IsSet(Bit::EvidenceTablet)) {
        Say(TextColour::Scene, {" 천장에 붉은 돌이 박혀 있다. 무슨 뜻인지"_j, "알 수 없다. 어딘가에 글이 남아 있을"_j,
                                "것 같다."_j});
        return;
    }
    if (IsSet(Bit::EvidenceScene)) {
        Say(TextColour::Scene, {" 천장의 붉은 돌은 이제 빛을 잃었다."_j});
        return;
    }
    Say(TextColour::Scene, {" 석판의 이름을 떠올리자 천장의 붉은 돌이"_j, "빛나기 시작했다."_j,
                            " 붉은 빛이 벽을 타고 흘러 그림을 그렸다."_j, " 바다 위에 뜬 붉은 별, 그 아래로 갈라지는"_j,
                            "땅, 그리고 갈라진 땅 밑의 끝없는 어둠."_j, " 어둠 속에서 네 개의 그림자가 문을 열고"_j,
                            "있었다."_j, " 그림은 다섯 사람이 검은 제단 앞에 서는"_j, "모습으로 바뀌었다. 한 사람이 쓰러지고,"_j,
                            "문은 반쯤 닫혔다."_j, " 그리고 빛은 꺼졌다. 문은 아직 반쯤"_j, "열려 있다는 듯이."_j});
    SetBit(Bit::EvidenceScene);
}

}  // namespace

const MapScript& EvidenceScript() {
    static const MapScript script{
        {
            {{{35, 15}, {36, 15}}, tablet},
            {{{25, 12}, {26, 12}}, redStarHall},
            {{{21, 35}, {22, 35}}, [] { LeaveFor(kPyramid, 16, 17); }},
        },
        {
            {{{25, 7}, {26, 7}}, [] {
                 ClearMessages();
                 Say(TextColour::Scene, {" 아래로 내려가는 계단은 무너진 돌에"_j, "막혀 있다. 누군가 일부러 막아 놓은"_j,
                                         "것 같다."_j});
             }},
        },
        {},
        {},
    };
    return script;
}

}  // namespace vela
