// 흉성의 단서 (map 12): the cave of the four levers. The sign tells how the
// way down opens; the chamber behind it keeps the found object.
#include "game/events/map_script.h"
#include "game/events/primitives.h"
#include "game/ui/messages.h"
#include "game/world/map_data.h"
#include "screen/johab.h"

namespace vela {

namespace {

constexpr int kLeverPulled = 17, kCaveEarth = 43;

void lever(Bit bit, int pictureX, int pictureY) {
    ClearMessages();
    if (IsSet(bit)) {
        Say(TextColour::Scene, {" 레버는 이미 당겨져 있다."_j});
        return;
    }
    Say(TextColour::Scene, {" 일행은 레버를 힘껏 당겼다."_j, " 멀리서 돌이 끌리는 소리가 들렸다."_j});
    SetMapTile(pictureX, pictureY, kLeverPulled);
    SetBit(bit);
}

bool allLeversPulled() {
    return IsSet(Bit::ClueLeverNorthWest) && IsSet(Bit::ClueLeverNorthEast) && IsSet(Bit::ClueLeverWest) &&
           IsSet(Bit::ClueLeverEast);
}

void closedWay() {
    ClearMessages();
    if (!allLeversPulled()) {
        Say(TextColour::Scene, {" 아래로 가는 길은 두꺼운 돌문으로 닫혀"_j, "있다. 돌문에는 손잡이도 열쇠 구멍도"_j,
                                "없다."_j});
        return;
    }
    Say(TextColour::Scene, {" 네 레버가 모두 당겨지자 돌문이 땅속으로"_j, "가라앉았다."_j});
    SetMapTile(25, 28, kCaveEarth);
    SetMapTile(26, 28, kCaveEarth);
    SetBit(Bit::ClueWayOpen);
}

void foundObject() {
    ClearMessages();
    if (IsSet(Bit::ClueObject)) {
        Say(TextColour::Scene, {" 검은 돌 위에는 이제 아무것도 없다."_j});
        return;
    }
    Say(TextColour::Scene, {" 검은 돌 위에 손바닥만 한 붉은 돌조각이"_j, "놓여 있었다."_j,
                            " 집어 들자 돌조각은 심장처럼 천천히"_j, "뛰고 있었다. 그 속에 바다 위의 붉은 별이"_j,
                            "비쳐 보였다."_j});
    WriteBlankLine();
    Say(TextColour::Scene, {" 일행은 붉은 돌조각을 챙겼다. 라스트디치의"_j, "성주라면 이것이 무엇인지 알 것이다."_j});
    SetBit(Bit::ClueObject);
}

}  // namespace

const MapScript& ClueScript() {
    static const MapScript script{
        {
            {{{8, 8}}, [] { lever(Bit::ClueLeverNorthWest, 8, 7); }},
            {{{37, 8}}, [] { lever(Bit::ClueLeverNorthEast, 37, 7); }},
            {{{6, 25}}, [] { lever(Bit::ClueLeverWest, 5, 25); }},
            {{{39, 25}}, [] { lever(Bit::ClueLeverEast, 40, 25); }},
            {{{25, 32}, {26, 32}}, foundObject},
            {{{20, 6}, {21, 6}}, [] { LeaveFor(kPyramid, 149, 66); }},
        },
        {
            {{{25, 28}, {26, 28}}, closedWay},
        },
        {
            {{{24, 10}}, Words{
                 Said(TextColour::Writing, {"       아래로 가는 길"_j, "", "   이 동굴의 네 레버를 모두 당기는 자에게"_j,
                                            "   아래로 가는 문이 열리리라."_j}),
             }},
        },
        {},
    };
    return script;
}

}  // namespace vela
