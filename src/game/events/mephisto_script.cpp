// 메피스토펠레스의 요새 (map 18): the gate, the great hall and the throne,
// a battle at each; with 메피스토펠레스 the last gate closes and the party
// climbs back to a world it will not know. The bridge leads back out.
#include "game/events/map_script.h"
#include "game/events/primitives.h"
#include "game/events/underworld.h"
#include "game/ui/messages.h"
#include "screen/johab.h"

namespace vela {

namespace {

void leave() { LeaveToUnderworld2(27, 10); }

void gate() {
    GuardFight(Bit::FortressGate,
               {" 요새의 안쪽 문을 수문장들이 지키고"_j, "있었다. 창끝이 일제히 일행을 향했다."_j},
               {68, 68, 69, 69});
}

void greatHall() {
    GuardFight(Bit::FortressHall,
               {" 대전에 늘어선 기사들이 일제히 투구를"_j,
                "내렸다. 그 가운데 지옥 대공이 웃었다."_j,
                " 주인님께 가는 길은 여기서 끝이다."_j},
               {72, 71, 70, 70});
}

void throne() {
    if (Stage() != StoryStage::LastWayOpen) return;
    ClearMessages();
    Say(TextColour::FoeWords, {std::string(" 드디어 왔구나, 영웅의 "_j) + std::string(HeroChild()) + std::string("이여."_j),
                               " 나는 메피스토펠레스. 그분과 계약한 자."_j,
                               "내 형제들이 모두 쓰러졌으니 이 문만"_j,
                               "남았지. 하지만 알고 있느냐? 마지막 문은"_j,
                               "닫히는 순간 너희 세상 쪽으로 터진다."_j,
                               " 나를 쓰러뜨리면 너희가 지키려던 것을"_j,
                               "너희 손으로 부수는 셈이다. 자, 그래도"_j,
                               "칼을 들겠느냐?"_j});
    PressAnyKey();
    if (!WonOnSquare(FightOn({74, 72, 71}))) return;
    SetBit(Bit::ObjectiveTemple);
    AdvanceStage();
    ClearMessages();
    Say(TextColour::Scene, {" 메피스토펠레스가 웃음을 남기며 쓰러지자"_j,
                            "요새 전체가 비명처럼 울부짖었다. 네 번째"_j,
                            "문이 닫히는 소리와 함께, 발밑의 땅이"_j,
                            "위로 솟구쳤다."_j,
                            "",
                            " 정신을 차렸을 때, 일행은 메너스의 동굴"_j,
                            "앞에 쓰러져 있었다. 하늘은 붉었고, 바람에"_j,
                            "재 냄새가 실려 왔다."_j});
    PressAnyKey();
    Curtain();
    ChangeMap(kOverworld, 17, 88);
    ClearMessages();
    Say(TextColour::Scene, {" 북쪽 하늘 멀리, 타른 성이 있는 쪽에서"_j,
                            "검은 연기가 피어오르고 있었다."_j,
                            " 어서 타른으로 돌아가야 한다."_j});
}

}  // namespace

const MapScript& MephistoScript() {
    static const MapScript script{
        {
            {{{25, 33}}, gate},
            {{{25, 20}}, greatHall},
            {{{25, 8}}, throne},
            {{{25, 45}}, leave},
        },
        {},
        {
            {{{21, 37}},
             Words{Said(TextColour::Heading, {"        [ 축 복 ]"_j, ""}),
                   Said(TextColour::Guidance, {"    이 문을 지나는 이여,"_j,
                                               "    그대의 빛이 꺼지지 않기를."_j,
                                               "    먼저 간 이들이 그대 뒤를 지키리니."_j})}},
            {{{33, 6}},
             Words{Said(TextColour::Heading, {"     [ 제작진이 남기는 말 ]"_j, ""}),
                   Said(TextColour::Writing, {" 여기까지 와 준 당신, 정말 고마워요."_j,
                                              "이 문 너머가 마지막이에요. 어떤 선택을"_j,
                                              "하든, 그게 당신의 이야기예요."_j,
                                              "                    - 벨라 제작진"_j})}},
        },
        {},
    };
    return script;
}

}  // namespace vela
