// 지하 세계 2 (map 4): the ash basin where the last descent lands, the three
// gates that pass the party round the chasm, 아스모데우스's two mouths (the
// south one guarded), the lever that lays the bridge over the fortress moat,
// the fortress of 메피스토펠레스, two hidden portals, three fights and the
// makers' workshop again.
#include "game/events/map_script.h"
#include "game/events/primitives.h"
#include "game/events/underworld.h"
#include "game/state/party.h"
#include "game/ui/menus.h"
#include "game/ui/messages.h"
#include "game/world/map_view.h"
#include "screen/johab.h"

namespace vela {

namespace {

void gate(int x, int y) {
    if (!AskEnter("공간 이동 게이트"_j)) return;
    ClearMessages();
    WriteMessage(TextColour::Scene, " 일행은 다른 곳으로 이동 되었다."_j);
    MoveParty(x, y);
}

void gateA() { gate(41, 55); }
void gateC() { gate(13, 72); }
void gateB() { gate(42, 77); }

// Every visit starts with the cave's levers up.
void intoAsmodeus(int x, int y) {
    Party.Flags[43] = 0;
    ChangeMap(kAsmodeus, x, y);
}

void southMouth() {
    if (!AskEnter("아스모데우스의 동굴"_j)) return;
    if (!IsSet(Bit::AsmodeusMouthGuard)) {
        ClearMessages();
        Say(TextColour::FoeWords, {" 멈춰라! 욕망의 왕께서는 손님을 받지"_j, "않으신다!"_j});
        PressAnyKey();
        if (FightOn({66, 66, 66}) != BattleOutcome::Won) return;
        SetBit(Bit::AsmodeusMouthGuard);
    }
    intoAsmodeus(14, 49);
}

void northMouth() {
    if (AskEnter("아스모데우스의 동굴"_j)) intoAsmodeus(10, 8);
}

void fortress() { EnterPlaceNamed("메피스토펠레스의 요새"_j, kMephisto, 25, 44); }

void lever() {
    ClearMessages();
    if (IsSet(Bit::Underworld2Lever)) {
        WriteMessage(TextColour::Scene, " 레버는 이미 당겨져 있었다."_j);
        return;
    }
    Say(TextColour::Scene, {" 바위 끝에 녹슨 레버가 하나 있었다."_j,
                            "일행은 레버를 힘껏 당겼다."_j,
                            " 멀리 요새 쪽에서 쇠사슬 풀리는 소리와"_j,
                            "함께 용암 위로 다리가 내려앉았다."_j});
    SetBit(Bit::Underworld2Lever);
    LayFortressBridge();
    DrawMapView(true);
}

void portalToNorthEast() { Portal(44, 16); }
void portalToSouthWest() { Portal(22, 84); }

void longRoad() {
    GuardFight(Bit::Underworld2Fight1,
               {" 긴 길 위에 뱀파이어와 리치가 기다리고"_j, "있었다."_j},
               {54, 55, 53});
}

void guardedRoad() {
    GuardFight(Bit::Underworld2Fight2,
               {" 동굴 입구로 가는 길을 지옥 근위병들이"_j, "순찰하고 있었다."_j},
               {66, 66, 56});
}

void chasmFoot() {
    GuardFight(Bit::Underworld2Fight3,
               {" 다리 아래 협곡에서 히드라와 키메라가"_j, "기어올라 왔다."_j},
               {60, 59, 61});
}

}  // namespace

const MapScript& Underworld2Script() {
    static const MapScript script{
        {
            {{{9, 66}}, lever},
            {{{47, 28}, {48, 28}}, MakerCameo},
            {{{22, 85}}, portalToNorthEast},
            {{{44, 15}}, portalToSouthWest},
            {{{51, 64}, {52, 64}}, longRoad},
            {{{14, 47}, {15, 47}}, guardedRoad},
            {{{30, 44}, {31, 44}}, chasmFoot},
        },
        {
            {{{42, 76}}, gateA},
            {{{41, 54}}, gateC},
            {{{13, 71}}, gateB},
            {{{14, 43}}, southMouth},
            {{{9, 21}}, northMouth},
            {{{27, 9}}, fortress},
        },
        {},
        {},
    };
    return script;
}

}  // namespace vela
