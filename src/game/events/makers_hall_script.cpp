// The makers' hall (map 5): three credit stones and the south door back to
// whichever underworld the party came from.
#include "game/events/map_script.h"
#include "game/events/primitives.h"
#include "game/events/underworld.h"
#include "game/ui/menus.h"
#include "screen/johab.h"

namespace vela {

namespace {

void door() {
    if (!AskLeave()) {
        StepOffSquare();
        return;
    }
    if (Stage() <= StoryStage::LastWayPromised)
        ChangeMap(kUnderworld1, 84, 44);
    else
        EnterUnderworld2(48, 30);
}

}  // namespace

const MapScript& MakersHallScript() {
    static const MapScript script{
        {{{{20, 25}}, door}},
        {},
        {
            {{{17, 8}},
             Words{Said(TextColour::Heading, {"      [ 세계와 이야기 ]"_j, ""}),
                   Said(TextColour::Writing, {" 베스페르 대륙, 타른과 라스트디치, 그리고"_j,
                                              "땅 밑의 세계는 벨라 제작진이 지었습니다."_j,
                                              " 흉성과 에레보스, 네 마왕의 이야기도"_j,
                                              "모두 우리가 처음부터 새로 썼습니다."_j})}},
            {{{20, 8}},
             Words{Said(TextColour::Heading, {"    [ 그림, 소리, 그리고 말 ]"_j, ""}),
                   Said(TextColour::Writing, {" 타일 한 장, 음표 하나, 대사 한 줄까지"_j,
                                              "벨라 제작진이 손으로 만들었습니다."_j,
                                              " 한글 글꼴은 GNU Unifont에서 왔습니다."_j})}},
            {{{23, 8}},
             Words{Said(TextColour::Heading, {"      [ 당신에게 감사를 ]"_j, ""}),
                   Said(TextColour::Writing, {" 이 돌을 읽고 있는 당신이 이 세계의"_j,
                                              "마지막 조각입니다. 끝까지 함께해 주십시오."_j,
                                              " 남쪽 문으로 나가면 당신이 왔던 곳으로"_j,
                                              "돌아갑니다."_j})}},
        },
        {},
    };
    return script;
}

}  // namespace vela
