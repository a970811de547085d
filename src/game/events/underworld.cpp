#include "game/events/underworld.h"

#include "game/events/primitives.h"
#include "game/ui/menus.h"
#include "game/ui/messages.h"
#include "game/world/map_data.h"
#include "game/world/map_view.h"
#include "screen/johab.h"

namespace vela {

BattleOutcome FightOn(std::initializer_list<int> foes) {
    ShowFoeGroup(foes);
    Battle(true, true);
    return ReadBattleOutcome();
}

bool WonOnSquare(BattleOutcome outcome) {
    if (outcome == BattleOutcome::Fled) StepOffSquare();
    return outcome == BattleOutcome::Won;
}

bool GuardFight(Bit bit, std::initializer_list<std::string_view> words, std::initializer_list<int> foes) {
    return IsSet(bit) || ScriptedFight(foes, words, " 길을 막던 적들이 모두 쓰러졌다."_j, bit);
}

void LeavePlace(MapId map, int x, int y) {
    if (AskLeave())
        ChangeMap(map, x, y);
    else
        StepOffSquare();
}

bool EnterPlaceNamed(std::string_view name, MapId map, int x, int y) {
    if (!AskEnter(name)) return false;
    ChangeMap(map, x, y);
    return true;
}

void Portal(int x, int y) {
    ClearMessages();
    WriteMessage(TextColour::Scene, " 일행은 공간 이동 되어졌다."_j);
    MoveParty(x, y);
}

void MakerCameo() {
    ClearMessages();
    Say(TextColour::Scene, {" 용암 냄새 가득한 이 땅 한구석에, 어울리지"_j,
                            "않게 불이 환한 작업실이 있었다. 안에서"_j,
                            "커피 잔을 든 사람이 손을 흔들었다."_j,
                            ""});
    Say(TextColour::Friendly, {" 어이쿠, 여기까지 왔어요? 반가워요!"_j,
                               "우리는 이 세계를 만든 벨라 제작진이에요."_j,
                               " 악마들 사이에서 고생 많죠? 미안해요,"_j,
                               "그 녀석들 만든 것도 사실 우리예요. 하하."_j,
                               " 잠깐 쉬었다 갈래요? 우리 방을 구경시켜"_j,
                               "줄게요. 저장은... 음, 알아서."_j});
    PressAnyKey();
    SetMenuItems("", {"제작진의 방에 들어가 본다"_j, "사양하고 갈 길을 재촉한다"_j});
    if (Select(100, 2, 2, false, true) != 1) {
        Say(TextColour::Friendly, {" 그래요, 힘내요! 엔딩에서 봐요."_j});
        StepOffSquare();
        return;
    }
    Curtain();
    ChangeMap(kMakersHall, 20, 18);
}

void LayFortressBridge() {
    for (int y = 11; y <= 13; ++y) SetMapTile(27, y, 31);
}

void EnterUnderworld2(int x, int y) {
    ChangeMap(kUnderworld2, x, y);
    if (IsSet(Bit::Underworld2Lever)) {
        LayFortressBridge();
        DrawMapView(true);
    }
}

void LeaveToUnderworld2(int x, int y) {
    if (AskLeave())
        EnterUnderworld2(x, y);
    else
        StepOffSquare();
}

}  // namespace vela
