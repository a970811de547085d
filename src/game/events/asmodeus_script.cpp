// 아스모데우스의 동굴 (map 17): six levers, each rewriting the lever's own
// picture and seven tiles of a wall, a lava flow or a gate, so the way to
// his throne has to be found; then 아스모데우스 and his dragon. Both mouths
// lead back out to 지하 세계 2.
#include "game/events/map_script.h"
#include "game/events/primitives.h"
#include "game/events/underworld.h"
#include "game/ui/messages.h"
#include "game/world/map_data.h"
#include "game/world/map_view.h"
#include "screen/johab.h"

namespace vela {

namespace {

struct Lever {
    Bit bit;
    int pictureX, pictureY;
    int fromX, toX, fromY, toY;  // the seven tiles it rewrites, a row or a column
    int tile;
};

constexpr Lever kLevers[] = {
    {Bit::AsmodeusLever1, 19, 49, 21, 27, 44, 44, 43},  // the cave-in in the south
    {Bit::AsmodeusLever2, 35, 49, 41, 47, 44, 44, 41},  // a bridge over the lava
    {Bit::AsmodeusLever3, 59, 44, 48, 54, 36, 36, 41},  // the south gate's bars
    {Bit::AsmodeusLever4, 16, 7, 19, 25, 11, 11, 43},   // the crystal wall
    {Bit::AsmodeusLever5, 31, 15, 37, 43, 9, 9, 43},    // the cave-in in the north
    {Bit::AsmodeusLever6, 57, 8, 48, 54, 16, 16, 41},   // the north gate's bars
};

void pull(const Lever& lever) {
    ClearMessages();
    if (IsSet(lever.bit)) {
        WriteMessage(TextColour::Scene, " 레버는 이미 좌측으로 밀려 있었다."_j);
        return;
    }
    WriteMessage(TextColour::Scene, "일행은 레버를 좌측으로 밀었다."_j);
    SetMapTile(lever.pictureX, lever.pictureY, 17);
    for (int x = lever.fromX; x <= lever.toX; ++x)
        for (int y = lever.fromY; y <= lever.toY; ++y) SetMapTile(x, y, lever.tile);
    SetBit(lever.bit);
    DrawMapView(true);
    WriteMessage(TextColour::Scene, " 어디선가 돌이 움직이는 소리가 들렸다."_j);
}

void lever1() { pull(kLevers[0]); }
void lever2() { pull(kLevers[1]); }
void lever3() { pull(kLevers[2]); }
void lever4() { pull(kLevers[3]); }
void lever5() { pull(kLevers[4]); }
void lever6() { pull(kLevers[5]); }

void outSouth() { LeaveToUnderworld2(14, 44); }
void outNorth() { LeaveToUnderworld2(10, 22); }

void throne() {
    if (!IsSet(Bit::AsmodeusSlain)) {
        ClearMessages();
        Say(TextColour::FoeWords, {" 베리알도 몰록도 쓰러뜨렸다고? 그래서"_j,
                                   "나까지 쓰러뜨리면 끝날 줄 알았나?"_j,
                                   " 나는 아스모데우스, 욕망의 왕이다. 너희가"_j,
                                   "원하는 것을 말해 보아라. 부귀? 영생?"_j,
                                   "아니면 죽은 아비를 다시 보는 것?"_j,
                                   " ...대답이 없군. 그렇다면 죽어라!"_j});
        PressAnyKey();
        if (!WonOnSquare(FightOn({73, 66, 66}))) return;
        SetBit(Bit::AsmodeusSlain);
        SetBit(Bit::ObjectiveDome);
        SetMapTile(51, 20, 41);
        DrawMapView(true);
        ClearMessages();
        Say(TextColour::Scene, {" 아스모데우스는 마지막 순간까지 무언가를"_j,
                                "약속하며 스러졌다. 그 약속은 아무도 듣지"_j,
                                "않았다."_j,
                                "",
                                " 세 번째 문이 닫혔다. 동굴이 무너지기"_j,
                                "시작했다. 일행은 북쪽 입구로 내달렸다."_j});
        PressAnyKey();
    }
    EnterUnderworld2(10, 22);
}

}  // namespace

const MapScript& AsmodeusScript() {
    static const MapScript script{
        {
            {{{19, 48}}, lever1},
            {{{35, 48}}, lever2},
            {{{58, 44}}, lever3},
            {{{16, 8}}, lever4},
            {{{31, 14}}, lever5},
            {{{56, 8}}, lever6},
            {{{51, 22}}, throne},
            {{{14, 51}}, outSouth},
            {{{10, 6}}, outNorth},
        },
        {},
        {},
        {},
    };
    return script;
}

}  // namespace vela
