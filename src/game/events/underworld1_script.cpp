// 지하 세계 1 (map 3): the ruined city under 메너스, the two return squares
// where the descents arrive and the way back up, the dome, the temple, the
// mortal hall and the two lairs, three finds, two portals, four fights on
// the roads and the makers' workshop.
#include <string>
#include <string_view>

#include "game/events/map_script.h"
#include "game/events/primitives.h"
#include "game/events/underworld.h"
#include "game/state/party.h"
#include "game/ui/menus.h"
#include "game/ui/messages.h"
#include "screen/johab.h"

namespace vela {

namespace {

constexpr uint8_t kFirstDeeds = 0x01 | 0x02 | 0x04 | 0x08;
constexpr uint8_t kSecondDeeds = 0x10 | 0x20 | 0x40;

// Up through the altar of 메너스 to the cave's mouth on the ground.
void goUp() {
    Curtain();
    ChangeMap(kOverworld, 17, 88);
}

// A return square: with the descent's deeds done it raises the stage and
// takes the party up; before that the way up is open all the same. The ring
// is what stands round the square: broken statues at the first, obelisks at
// the second.
void returnSquare(StoryStage from, uint8_t deeds, std::string_view ring) {
    uint8_t& objectives = Party.Flags[FlagStoryObjectives];
    ClearMessages();
    if (Stage() == from && (objectives & deeds) == deeds) {
        Say(TextColour::Scene, {std::string(" "_j) + std::string(ring) + std::string(" 일제히 빛나더니, 일행의"_j),
                                "발밑에서 메너스로 올라가는 빛의 길이"_j,
                                "열렸다. 이곳에서 할 일은 모두 끝났다."_j,
                                "",
                                " 성주에게 돌아가 알려야 한다."_j});
        objectives = 0;
        AdvanceStage();
        PressAnyKey();
        goUp();
        return;
    }
    Say(TextColour::Scene, {" 이 자리에서 메너스의 제단으로 올라갈 수"_j,
                            "있을 것 같다."_j});
    if (AskLeave())
        goUp();
    else
        StepOffSquare();
}

void firstReturn() { returnSquare(StoryStage::FirstWayOpen, kFirstDeeds, "부서진 석상들이"_j); }
void secondReturn() { returnSquare(StoryStage::SecondWayOpen, kSecondDeeds, "늘어선 돌기둥들이"_j); }

void find1() { FindGold(Bit::Underworld1Find1, 50000); }
void find2() { FindItem(Bit::Underworld1Find2, 5, 3); }
void find3() { FindItem(Bit::Underworld1Find3, 2, 5); }

void portalToNorthEast() { Portal(90, 16); }
void portalToGraves() { Portal(10, 89); }

void northPass() {
    GuardFight(Bit::Underworld1Fight1,
               {" 고갯길 바위 뒤에서 지옥견들이 이빨을"_j, "드러내며 뛰어나왔다."_j},
               {36, 36, 37, 37});
}

void southWestRoad() {
    GuardFight(Bit::Underworld1Fight2,
               {" 무너진 길 위에서 트롤들이 길을 막았다."_j,
                " 크르르... 여기는 우리 땅이다!"_j},
               {32, 32, 31});
}

void templeRoad() {
    GuardFight(Bit::Underworld1Fight3,
               {" 사원으로 가는 길목에 메두사와 가시 악마가"_j, "도사리고 있었다."_j},
               {34, 39, 39, 38});
}

// The colony's last guard captain, kept in chains for 몰록's altar.
const Recruit kAlnilam{"알니람"_j, 0, kFighterFamily, 2, 19, 8, 12, 18, 13, 14, 16, 11, 9, 6, 3, 5,
                       {45, 20, 20, 10, 30, 20}};

// Freed once the road is clear; he waits by the cart until he joins.
void molochRoad() {
    bool freedBefore = IsSet(Bit::Underworld1Fight4);
    if (!GuardFight(Bit::Underworld1Fight4,
                    {" 몰록의 동굴로 가는 길을 화염 도마뱀과"_j, "임프의 무리가 지키고 있었다."_j},
                    {37, 37, 38, 38, 36}) ||
        IsSet(Bit::Alnilam))
        return;
    if (freedBefore) {
        ClearMessages();
        Say(TextColour::Scene, {" 수레 곁에서 알니람이 일행을 기다리고"_j, "있었다."_j, ""});
        Say(TextColour::Friendly, {" 다시 만났구려. 이번에는 나를 데려가"_j, "주겠소?"_j});
    } else {
        PressAnyKey();
        Say(TextColour::Scene, {" 괴물들이 끌고 가던 수레에 사슬에 묶인"_j, "사내가 있었다."_j, ""});
        Say(TextColour::Friendly, {" 고맙소. 나는 빛의 지붕 경비대장 알니람."_j,
                                   "몰록의 제단에 바쳐질 뻔했소. 돔의 빛이"_j,
                                   "꺼진 밤, 나는 동료들을 지키지 못했소."_j,
                                   " 그 빚을 갚고 싶소. 나를 데려가 주겠소?"_j});
    }
    if (TakeRecruit(kAlnilam, {" 자리가 없다면 어쩔 수 없구려. 자리가"_j,
                               "나거든 이 길로 다시 오시오."_j,
                               "여기서 기다리겠소."_j}))
        SetBit(Bit::Alnilam);
}

void dome() { EnterPlaceNamed("빛의 지붕"_j, kDome, 25, 9); }
void temple() { EnterPlaceNamed("빛의 사원"_j, kTemple, 20, 41); }
void mortal() { EnterPlaceNamed("필멸의 생존"_j, kMortal, 39, 43); }
void moloch() { EnterPlaceNamed("몰록의 동굴"_j, kMoloch, 28, 43); }

// Until the throne guard falls, nightmares keep the cave's mouth.
void belial() {
    if (!AskEnter("베리알의 동굴"_j)) return;
    if (!IsSet(Bit::ObjectiveBelial) && !IsSet(Bit::BelialSlain)) {
        ClearMessages();
        Say(TextColour::Scene, {" 동굴 입구에서 검은 말들이 불꽃 섞인 콧김을"_j,
                                "내뿜으며 달려들었다. 나이트메어였다!"_j});
        PressAnyKey();
        if (FightOn({40, 40}) != BattleOutcome::Won) return;
    }
    ChangeMap(kBelial, 30, 42);
}

}  // namespace

const MapScript& Underworld1Script() {
    static const MapScript script{
        {
            {{{51, 51}}, firstReturn},
            {{{14, 24}}, secondReturn},
            {{{83, 41}, {84, 41}, {85, 41}}, MakerCameo},
            {{{73, 51}}, find1},
            {{{7, 67}}, find2},
            {{{37, 87}}, find3},
            {{{10, 88}}, portalToNorthEast},
            {{{90, 15}}, portalToGraves},
            {{{51, 37}, {52, 37}}, northPass},
            {{{12, 58}, {13, 58}}, southWestRoad},
            {{{80, 71}, {80, 72}}, templeRoad},
            {{{88, 20}, {89, 20}}, molochRoad},
        },
        {
            {{{66, 78}}, dome},
            {{{89, 94}}, temple},
            {{{33, 49}}, mortal},
            {{{36, 16}}, belial},
            {{{93, 6}}, moloch},
        },
        {},
        {},
    };
    return script;
}

}  // namespace vela
