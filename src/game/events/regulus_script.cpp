// 레굴루스 (map 9): the herbalist's clearing. Every person here is the
// herbalist 베가, who keeps his secret from all but a mind that reads his.
#include <string>

#include "game/events/map_script.h"
#include "game/events/primitives.h"
#include "game/events/regulus_appointment.h"
#include "game/state/party.h"
#include "game/ui/menus.h"
#include "game/ui/messages.h"
#include "screen/johab.h"

namespace vela {

namespace {

const Recruit kVega{"베가"_j, 0, kMageFamily, 3, 9, 18, 17, 12, 14, 11, 12, 13, 8, 0, 0, 1,
                    {20, 25, 35, 10, 30, 10}};

void note() {
    if (!IsSet(Bit::HutAppointment)) {
        MakeAppointment();
        ClearMessages();
        Say(TextColour::Scene, {" 갈림길의 나무 그루터기에 쪽지 한 장이"_j,
                                "꽂혀 있었다. 오두막의 주인이 남긴 것"_j,
                                "같았다."_j});
        WriteBlankLine();
        Say(TextColour::Writing, {" 약초를 캐러 먼 길을 떠납니다."_j,
                                  " " + std::to_string(AppointmentMonth()) + std::string("월 "_j) +
                                      std::to_string(AppointmentDayOfMonth()) + std::string("일 낮에 돌아오니, 볼일이 있는"_j),
                                  "분은 그때 다시 찾아 주십시오."_j,
                                  "                          - 오두막 주인 -"_j});
    }
    if (AskLeave())
        ChangeMap(kOverworld, 82, 10);
    else
        StepOffSquare();
}

void herbalist() {
    if (!IsSet(Bit::VegaGift)) {
        Say(TextColour::Speech, {" 허허, 이 깊은 숲까지 손님이 다 오시는구려."_j,
                                 " 나는 약초나 캐며 사는 늙은이라오."_j,
                                 "먼 길 가는 사람에게는 이게 쓸모 있을 게요."_j});
        AddItem(3, 5);
        WriteBlankLine();
        WriteMessage(TextColour::Reward, " 일행은 약간의 해독 약초를 그에게 받았다."_j);
        SetBit(Bit::VegaGift);
        return;
    }
    if (!MindReadingActive()) {
        if (Stage() >= kDemonsFallKnown)
            Say(TextColour::Speech, {" 요즘 숲의 새들이 다시 울기 시작했소."_j,
                                     "땅 밑에서 무언가 크게 바뀐 모양이구려."_j});
        Say(TextColour::Speech, {" 크게 다친 데가 있으면 라스트디치의 병원을"_j,
                                 "찾아가시오. 이 늙은이의 약초로는 거기까지"_j,
                                 "고칠 수가 없다오."_j});
        return;
    }
    Say(TextColour::Scene, {" 당신이 그의 마음을 읽자, 늙은 약초꾼의"_j,
                            "모습 뒤로 젊은 마법사의 얼굴이 떠올랐다."_j});
    WriteBlankLine();
    Say(TextColour::Secret, {" ...마음을 읽는 자였구려. 더 숨길 수는"_j,
                             "없겠소. 나는 베가, 레드 안타레스 님의"_j,
                             "마지막 제자요."_j,
                             " 스승님의 봉인이 흔들리는 것을 느끼고"_j,
                             "이곳에 숨어 때를 기다리고 있었소."_j,
                             " 당신이 그때라면, 나도 함께 가겠소."_j});
    OfferToJoin(kVega, Bit::Vega, {" 함께 갈 자리가 없구려. 자리가 나면"_j,
                                   "다시 찾아 주시오."_j});
}

}  // namespace

const MapScript& RegulusScript() {
    static const MapScript script{
        {{{{18, 30}}, note}},
        {},
        {},
        {{{}, herbalist}},
    };
    return script;
}

}  // namespace vela
