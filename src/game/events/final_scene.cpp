#include "game/events/final_scene.h"

#include "game/battle/scripted_battle.h"
#include "game/ending/ending.h"
#include "game/events/companions.h"
#include "game/events/primitives.h"
#include "game/ui/menus.h"
#include "game/ui/messages.h"
#include "game/world/map_view.h"
#include "screen/johab.h"

namespace vela {

namespace {

void ruins() {
    ClearMessages();
    Say(TextColour::Scene, {" 일행은 메너스를 떠나 타른 성으로 향했다."_j,
                            "하지만 일행을 맞은 것은 성문도, 성주도"_j,
                            "아닌 무너진 돌더미뿐이었다. 성벽은 검게"_j,
                            "그을렸고, 마을에는 인기척 하나 없었다."_j});
    WriteMessage3(TextColour::Scene, TextColour::Emphasis, " 타른은 이미 "_j, "폐허"_j, "가 되어 있었다."_j);
    WriteBlankLine();
    Say(TextColour::Scene, {" 무너진 알현실 자리에서 일행은 성주 헤베온을"_j,
                            "찾았다. 그는 부러진 검을 쥔 채, 성문 쪽을"_j,
                            "바라보며 숨져 있었다."_j,
                            ""});
    WriteMessage3(TextColour::Scene, TextColour::Emphasis, " 그 잔해 위에 "_j, "희미한 붉은 빛"_j, "이 떠 있었다."_j);
    ChangeMap(kOverworld, 20, 11);
    PressAnyKey();
    DrawMapView(true);
    if (CompanionsSpeak(CompanionMoment::Ruins, {" 동료들이 하나둘 폐허 속에 멈추어 섰다."_j, ""})) PressAnyKey();
}

void spirit() {
    Say(TextColour::Scene, {" 메피스토펠레스가 쓰러지던 그 순간,"_j,
                            "지상에서는 에레보스의 마지막 숨결이 터져"_j,
                            "나왔다. 라스트디치는 용암에 잠겼고, 사막의"_j,
                            "피라미드는 모래 속으로 무너졌으며,"_j,
                            "레굴루스의 숲은 잿더미가 되었다."_j,
                            "",
                            " 네 개의 문은 모두 닫혔지만, 문 너머의"_j,
                            "주인은 이미 이 세상에 손을 뻗고 있었다."_j});
    PressAnyKey();
    Say(TextColour::Scene, {" 붉은 빛이 천천히 사람의 모습을 갖추었다."_j,
                            "레드 안타레스였다. 하지만 그 모습은"_j,
                            "촛불처럼 흔들리며 금방이라도 꺼질 듯"_j,
                            "희미했다."_j,
                            ""});
    Say(TextColour::LastWords, {" 다시 만났구려, 젊은이. 이렇게 모습을"_j,
                                "갖추어 그대 앞에 서는 것은 처음이오. 그대"_j,
                                "아버지의 눈을 꼭 닮았구려."_j,
                                " 나는 스물여섯 해 동안 내 남은 힘으로"_j,
                                "봉인을 붙들고 있었소. 그 힘도 이제"_j,
                                "다했소. 네 마왕이 쓰러졌으니 에레보스는"_j,
                                "더 이상 문을 지킬 자가 없지만, 그 대신"_j,
                                "문을 통째로 이 세상 쪽으로 밀고 있소."_j,
                                " 헤베온도, 세리우스도 그 숨결에 먼저 갔소."_j});
    NextPage();
    Say(TextColour::LastWords, {" 시간이 없으니 잘 들으시오. 봉인은 이제"_j,
                                "바깥에서 닫을 수 없소. 누군가 그의 공간으로"_j,
                                "들어가, 안에서 문을 닫아야 하오."_j,
                                " 그리고 안에서 문을 닫은 자는 그와 함께"_j,
                                "사라지게 되오. 그 이름도, 그를 기억하는"_j,
                                "이들의 기억도 함께 말이오."_j,
                                " 그대의 동료들이 힘을 모으면 그대 한"_j,
                                "사람을 그곳으로 보낼 수 있소. 잔인한"_j,
                                "말이라는 것을 아오. 그대 아버지에게도"_j,
                                "나는 같은 부탁을 하지 못했소. 그래서"_j,
                                "이 모든 일이 다시 시작된 것이오."_j,
                                " 부디... 이번에는 끝내 주시오. 이것이"_j,
                                "이 늙은이가 할 수 있는 마지막 말이오."_j,
                                " 미안하오... 그리고, 고맙소..."_j});
    PressAnyKey();
    Say(TextColour::Scene, {" 그 말을 끝으로 붉은 빛은 바람 속에 흩어져"_j, "사라졌다."_j});
    if (CompanionsSpeak(CompanionMoment::FinalChoice, {""})) {
        PressAnyKey();
        Say(TextColour::Scene, {" 동료들이 당신의 대답을 기다렸다."_j});
    } else {
        Say(TextColour::Scene, {" 동료들이 말없이 당신을 보았다."_j});
    }
    Say(TextColour::Scene, {" 당신은 어떻게 하겠는가 ?"_j});
}

// He splits into eight and they never stop coming; the battle's defeat is
// the way out (the end-of-game dialog), or a restored game.
void refuse() {
    ClearMessages();
    Say(TextColour::Scene, {" 일행은 레드 안타레스의 마지막 말을"_j,
                            "뿌리치고, 어둠이 짙은 폐허의 한가운데로"_j,
                            "달려들었다."_j});
    PressAnyKey();
    SetFoeCount(1);
    SetFoe(1, 75);
    Enemy[1].Name.set("에레보스"_j);
    ShowFoes();
    Say(TextColour::FoeWords, {" 스스로 찾아오다니 기특하구나. 네 아비도"_j,
                               "꼭 그렇게 어리석었지."_j});
    PressAnyKey();
    Say(TextColour::Scene, {" 에레보스의 몸이 찢어지듯 갈라지더니"_j,
                            "여덟 개의 그림자가 되어 일행을 에워쌌다."_j});
    PressAnyKey();
    for (;;) {
        SetFoeCount(8);
        for (int slot = 1; slot <= 8; ++slot) SetFoe(slot, 75);
        ShowFoes();
        Battle(false, true);
        BattleOutcome outcome = ReadBattleOutcome();
        if (outcome == BattleOutcome::Restored) return;
        if (outcome == BattleOutcome::Fled) {
            Say(TextColour::FoeWords, {" 어디로 도망치려느냐? 이 세상 어디에도"_j,
                                       "이제 내가 없는 곳은 없다."_j});
            PressAnyKey();
        }
    }
}

}  // namespace

void FinalChoice() {
    ruins();
    spirit();
    SetMenuItems("", {"레드 안타레스의 말대로 한다"_j, "에레보스와 끝까지 싸우겠다"_j});
    if (Select(140, 2, 2, false, true) < 2) Ending();
    refuse();
}

}  // namespace vela
