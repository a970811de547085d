// 알수없는 피라미드 (map 2): the statues of trial and their words, the finds,
// the teleports, the lava trap, the guards, the robed figure, the stairs
// and the three signs.
#include <string>

#include "game/battle/scripted_battle.h"
#include "game/events/map_script.h"
#include "game/events/primitives.h"
#include "game/events/statue_quiz.h"
#include "game/state/party.h"
#include "game/ui/menus.h"
#include "game/ui/messages.h"
#include "game/world/map_data.h"
#include "screen/johab.h"
#include "runtime/key_queue.h"

namespace vela {

namespace {

// The statues, with their questions in the order they are asked.
const Statue kAstronomy{
    {" 나는 별을 보는 자의 석상이오. 나의 시험"_j, "은 하늘에 관한 것이오."_j},
    {
        {{" 해를 도는 행성들 가운데 가장 큰 것은"_j, "무엇이오?"_j}, {"토성"_j, "해왕성"_j, "목성"_j, "천왕성"_j}, 3},
        {{" 달이 별들을 기준으로 지구를 한 바퀴"_j, "도는 데에는 대략 며칠이 걸리오?"_j},
         {"약 7일"_j, "약 27.3일"_j, "약 365일"_j, "약 1일"_j}, 2},
        {{" 해를 빼고 지구에서 가장 가까운 별은"_j, "무엇이오?"_j},
         {"시리우스"_j, "베가"_j, "프록시마 센타우리"_j, "북극성"_j}, 3},
        {{" 햇빛이 해를 떠나 지구에 닿기까지는"_j, "대략 얼마나 걸리오?"_j},
         {"약 8초"_j, "약 1시간"_j, "약 하루"_j, "약 8분 20초"_j}, 4},
    },
    {" 하늘을 읽는 눈이 밝구려."_j},
    {" 별은 그대의 답을 비웃고 있소. 하늘을"_j, "더 올려다본 뒤에 다시 오시오."_j},
    Bit::StatueAstronomy,
    Ability::Mentality,
};

const Statue kComputers{
    {" 나는 생각하는 기계의 석상이오. 나의"_j, "시험은 셈하는 기계에 관한 것이오."_j},
    {
        {{" 이 세계의 화면은 가로 640, 세로 480에"_j, "16색이오. 이 화면을 낼 수 있는 그래픽"_j,
          "카드는 무엇이오?"_j},
         {"CGA"_j, "EGA"_j, "허큘리스"_j, "VGA"_j}, 4},
        {{" 화면에 Vela.exe라고 쓰는 문장들이오."_j, "이 가운데 파스칼의 문장은 어느 것이오?"_j},
         {"writeln('Vela.exe');"_j, "printf(\"Vela.exe\");"_j, "PRINT \"Vela.exe\""_j, "print(\"Vela.exe\")"_j},
         1},
        {{" 8비트로 나타낼 수 있는 서로 다른 값은"_j, "모두 몇 가지이오?"_j}, {"8"_j, "128"_j, "256"_j, "255"_j}, 3},
        {{" 십진수 10을 이진수로 쓰면 무엇이오?"_j}, {"1001"_j, "1010"_j, "1100"_j, "0110"_j}, 2},
    },
    {" 기계의 말을 아는 자로구려."_j},
    {" 그대의 셈에는 벌레가 끼어 있소. 다시"_j, "생각해 보고 오시오."_j},
    Bit::StatueComputers,
    Ability::Endurance,
};

const Statue kPhysics{
    {" 나는 만물의 이치를 따지는 자의 석상이오."_j, "나의 시험은 힘과 빛에 관한 것이오."_j},
    {
        {{" 진공 속에서 빛은 1초에 대략 몇 km를"_j, "나아가오?"_j},
         {"340 km"_j, "3만 km"_j, "30만 km"_j, "300만 km"_j}, 3},
        {{" 힘의 단위 뉴턴(N)과 같은 것은 무엇이오?"_j},
         {"kg*m/s"_j, "kg*m"_j, "J/s"_j, "kg*m/s^2"_j}, 4},
        {{" 지구 표면에서 떨어지는 물체의 가속도는"_j, "대략 얼마이오?"_j},
         {"1.6 m/s^2"_j, "9.8 m/s^2"_j, "98 m/s^2"_j, "0.98 m/s^2"_j}, 2},
    },
    {" 그대는 세상이 움직이는 이치를 아는구려."_j},
    {" 그대의 답은 떨어지는 돌처럼 빗나갔소."_j, "이치를 다시 따져 보고 오시오."_j},
    Bit::StatuePhysics,
    Ability::Strength,
};

const Statue kChronicle{
    {" 나는 옛 전쟁을 기억하는 자의 석상이오."_j, "나의 시험은 봉인 전쟁에 관한 것이오."_j},
    {
        {{" 봉인 전쟁은 몇 해 동안 이어졌소?"_j}, {"3년"_j, "5년"_j, "6년"_j, "7년"_j, "10년"_j}, 4},
        {{" 그 전쟁은 어디에서 끝났소?"_j},
         {"라스트디치의 성벽"_j, "메너스의 검은 제단"_j, "타른 성의 알현실"_j, "이 피라미드"_j, "동쪽 바다 위"_j}, 2},
        {{" 그 전쟁이 끝난 해는 베스페르력으로"_j, "몇 년이오?"_j}, {"741년"_j, "744년"_j, "748년"_j, "752년"_j, "774년"_j},
         3},
    },
    {" 그대는 잊혀 가는 이야기를 지키고 있구려."_j},
    {" 그대는 아버지들의 이야기를 너무 쉽게"_j, "잊었소. 옛 사람들에게 물어보고 오시오."_j},
    Bit::StatueChronicle,
    Ability::Agility,
};

const Statue kMathematics{
    {" 나는 수를 다스리는 자의 석상이오. 나의"_j, "시험은 수에 관한 것이오."_j},
    {
        {{" 1부터 100까지의 자연수를 모두 더하면"_j, "얼마이오?"_j}, {"5000"_j, "5050"_j, "5100"_j, "10000"_j, "4950"_j}, 2},
        {{" 17 바로 다음의 소수는 무엇이오?"_j}, {"18"_j, "21"_j, "23"_j, "19"_j, "27"_j}, 4},
        {{" 원의 둘레를 지름으로 나눈 값에 가장"_j, "가까운 것은 무엇이오?"_j}, {"3.14"_j, "2.72"_j, "1.41"_j, "1.62"_j, "3.41"_j},
         1},
    },
    {" 수는 그대에게 거짓말을 하지 않는구려."_j},
    {" 그대의 셈은 맞지 않소. 수는 서두르는"_j, "자를 싫어하오."_j},
    Bit::StatueMathematics,
    Ability::Accuracy,
};

void brokenStatue() {
    if (!IsSet(Bit::PyramidStatuesAwake)) return;
    ClearMessages();
    WriteMessage(TextColour::Scene, " 당신 앞의 석상이 입을 열었다."_j);
    WriteBlankLine();
    Say(TextColour::Voice, {" 나는 그대들의 운명을 읽는 석상이오."_j, " 그대들의 앞날은..."_j});
    WriteMessage(TextColour::Voice, "#@&! %$?~ *^=!@ ]]} &%#@ ^~|<"_j);
    for (std::string_view error : std::initializer_list<std::string_view>{"< Error  43 : Illegal assiggnment >"_j, "< Error   3 : Unknown identifier >"_j,
                                   "< Error 122 : Invalid variable reference >"_j,
                                   " Program is Terminated !! ($F34DC1:$01BA8) "_j}) {
        Delay(2000);
        Beep();
        WriteMessage(TextColour::Voice, error);
    }
    WriteMessage(TextColour::Scene, " 하지만 석상은 심하게 손상되어 있었고 제대"_j);
    WriteMessage(TextColour::Scene, "로 작동하지 않았다."_j);
}

void statue(const Statue& which) {
    StatueTrial(which);
    if (AllStatuesPassed() && Stage() == StoryStage::SentToLastDitch && SubStage() == LordsTask::SentToPyramid)
        AdvanceSubStage();
}

void teleport(int x, int y) {
    ClearMessages();
    WriteMessage(TextColour::Scene, " 일행은 공간 이동 되어졌다."_j);
    MoveParty(x, y);
}

void lavaTrap() {
    ClearMessages();
    WriteMessage(TextColour::Scene, " 일행이 물위로 가려고 하자 갑자기 물은 용암"_j);
    WriteMessage(TextColour::Scene, "으로 바뀌고 말았다."_j);
    constexpr int kLava = 50;
    for (Square s : {Square{99, 66}, Square{100, 66}, Square{101, 66}, Square{99, 67}, Square{101, 67},
                     Square{99, 68}, Square{101, 68}})
        SetMapTile(s.x, s.y, kLava);
    MoveParty(PartyX, PartyY);
}

constexpr int kGuard = 50, kGoldenMask = 51;

// A guard fight: the foes, their words, the battle; a won fight ends in its
// victory line and is gone for good, a fled one puts the party back where it
// came from.
void guardFight(Bit bit, int count, int kind, int leader, std::initializer_list<std::string_view> words,
                std::string_view victory) {
    if (IsSet(bit)) return;
    SetFoeCount(count);
    for (int s = 1; s < count; ++s) SetFoe(s, kind);
    SetFoe(count, leader);
    ShowFoes();
    ClearMessages();
    Say(TextColour::FoeWords, words);
    PressAnyKey();
    Battle(false, true);
    switch (ReadBattleOutcome()) {
        case BattleOutcome::Won:
            ClearMessages();
            WriteMessage(TextColour::Scene, victory);
            SetBit(bit);
            break;
        case BattleOutcome::Fled: StepOffSquare(); break;
        default: break;
    }
}

void reunion() {
    if (IsSet(Bit::PyramidReunion)) return;
    ClearMessages();
    Say(TextColour::Scene, {" 두건을 쓴 사람이 등을 돌린 채 서 있었다."_j, " 그가 천천히 돌아서자, 두건 아래에는"_j,
                            "얼굴 대신 희미한 빛만이 어른거렸다."_j});
    WriteBlankLine();
    Say(TextColour::Voice, {" ...드디어 왔구려. 그대 얼굴에 아버지의"_j, "모습이 그대로 남아 있소."_j,
                           " 나는 레드 안타레스요. 몸은 오래전에"_j, "봉인에 바쳤고, 지금은 이 목소리뿐이오."_j});
    NextPage();
    Say(TextColour::Voice, {" 그대 아버지와 나는 옛 전쟁 때 이 피라미드"_j, "석상들 앞에서 같은 시험을 치렀소."_j,
                           " 석상들의 시험을 모두 넘어서거든, 아래의"_j, "두 방으로 내려가시오."_j,
                           " 북서쪽 지하의 흉성의 증거에는 그 별을"_j, "부른 자의 이름이, 동쪽 지하의 흉성의"_j,
                           "단서에는 그 별이 지나온 길이 남아 있소."_j});
    NextPage();
    Say(TextColour::Voice, {" 나는 오래 머물 수 없소. 세리우스에게"_j, "전해 주시오. 봉인이 아직 절반은 버티고"_j,
                           "있다고."_j});
    WriteBlankLine();
    WriteMessage(TextColour::Scene, " 빛은 모래바람 속으로 흩어져 버렸다."_j);
    SetBit(Bit::PyramidReunion);
}

void leavePyramid() {
    if (AskLeave()) ChangeMap(kOverworld, 84, 85);
}

void intoEvidence() {
    if (AskEnter("흉성의 증거"_j)) ChangeMap(kEvidence, 21, 34);
}

void intoClue() {
    if (!AskEnter("흉성의 단서"_j)) return;
    ChangeMap(kClue, 21, 7);
    if (IsSet(Bit::ClueWayOpen)) SetMapTile(26, 28, 43);
}

}  // namespace

bool AllStatuesPassed() {
    return IsSet(Bit::StatueAstronomy) && IsSet(Bit::StatueComputers) && IsSet(Bit::StatuePhysics) &&
           IsSet(Bit::StatueChronicle) && IsSet(Bit::StatueMathematics);
}

const MapScript& PyramidScript() {
    static const MapScript script{
        // special squares
        {
            {{{157, 94}}, [] { statue(kAstronomy); }},
            {{{157, 108}}, [] { statue(kComputers); }},
            {{{171, 94}}, [] { statue(kPhysics); }},
            {{{170, 108}}, [] { statue(kChronicle); }},
            {{{186, 95}}, brokenStatue},
            {{{186, 108}}, [] { statue(kMathematics); }},
            {{{144, 56}}, [] { FindGold(Bit::PyramidGold1, 5000); }},
            {{{30, 84}}, [] { FindGold(Bit::PyramidGold2, 2000); }},
            {{{9, 103}}, [] { FindGold(Bit::PyramidGold3, 3000); }},
            {{{11, 11}}, [] { FindGold(Bit::PyramidGold4, 8000); }},
            {{{39, 51}}, [] { FindGold(Bit::PyramidGold5, 2000); }},
            {{{101, 64}}, [] { FindGold(Bit::PyramidGold6, 10000); }},
            {{{53, 73}}, [] { FindGold(Bit::PyramidGold7, 1000); }},
            {{{83, 27}}, [] { FindGold(Bit::PyramidGold8, 3000); }},
            {{{90, 27}}, [] { FindGold(Bit::PyramidGold9, 2000); }},
            {{{65, 9}}, [] { FindGold(Bit::PyramidGold10, 4000); }},
            {{{115, 9}}, [] { FindGold(Bit::PyramidGold11, 10000); }},
            {{{134, 9}}, [] { FindGold(Bit::PyramidGold12, 10000); }},
            {{{161, 19}}, [] { FindGold(Bit::PyramidGold13, 5000); }},
            {{{183, 45}}, [] { FindGold(Bit::PyramidGold14, 6000); }},
            {{{183, 87}}, [] { FindGold(Bit::PyramidGold15, 4000); }},
            {{{113, 111}}, [] { FindGold(Bit::PyramidGold16, 1000); }},
            {{{141, 76}}, [] { FindGold(Bit::PyramidGold17, 3000); }},
            {{{146, 57}}, [] { FindItem(Bit::PyramidItem1, 8, 5); }},
            {{{17, 111}}, [] { FindItem(Bit::PyramidItem2, 5, 1); }},
            {{{33, 11}}, [] { FindItem(Bit::PyramidItem3, 4, 3); }},
            {{{9, 37}}, [] { FindItem(Bit::PyramidItem4, 1, 5); }},
            {{{99, 64}}, [] { FindItem(Bit::PyramidItem5, 10, 2); }},
            {{{69, 87}}, [] { FindItem(Bit::PyramidItem6, 3, 5); }},
            {{{69, 73}}, [] { FindItem(Bit::PyramidItem7, 7, 5); }},
            {{{66, 39}}, [] { FindItem(Bit::PyramidItem8, 2, 3); }},
            {{{115, 39}}, [] { FindItem(Bit::PyramidItem9, 5, 2); }},
            {{{115, 21}}, [] { FindItem(Bit::PyramidItem10, 1, 10); }},
            {{{134, 21}}, [] { FindItem(Bit::PyramidItem11, 6, 2); }},
            {{{183, 19}}, [] { FindItem(Bit::PyramidItem12, 9, 2); }},
            {{{183, 77}}, [] { FindItem(Bit::PyramidItem13, 4, 5); }},
            {{{125, 101}}, [] { FindItem(Bit::PyramidItem14, 7, 3); }},
            {{{75, 6}}, [] { teleport(30, 107); }},
            {{{137, 15}}, [] { teleport(100, 86); }},
            {{{36, 21}}, [] { teleport(100, 76); }},
            {{{160, 58}}, [] { teleport(172, 40); }},
            {{{100, 67}}, lavaTrap},
            {{{22, 24}}, [] {
                 guardFight(Bit::PyramidGuardCrypt, 3, kGuard, kGuard,
                            {" 관 곁에 서 있던 석상 셋이 모래를 털며"_j, "창을 들었다."_j,
                             " 이 아래는 죽은 자의 길이다. 돌아가라."_j},
                            " 석상들은 다시 모래가 되어 무너져 내렸다."_j);
             }},
            {{{136, 66}}, [] {
                 guardFight(Bit::PyramidGuardClue, 3, kGuard, kGuard,
                            {" 계단을 지키던 파수병들이 길을 막았다."_j, " 별의 길을 묻는 자는 먼저 우리를"_j,
                             "넘어야 한다."_j},
                            " 계단을 지키던 파수병들이 모두 쓰러졌다."_j);
             }},
            {{{125, 24}}, [] {
                 guardFight(Bit::PyramidGuardTreasury, 3, kGuard, kGoldenMask,
                            {" 황금 가면을 쓴 자가 보물 창고의 문 앞에"_j, "서 있었다. 가면 너머에서 목소리가"_j,
                             "울렸다."_j, " 삼천 년 동안 이 문을 연 자는 없었다."_j},
                            " 황금 가면이 갈라져 바닥에 떨어졌다."_j);
             }},
            {{{100, 11}}, reunion},
        },
        // entrances
        {
            {{{100, 100}}, leavePyramid},
            {{{16, 16}}, intoEvidence},
            {{{149, 65}}, intoClue},
        },
        // signs
        {
            {{{82, 101}}, Words{
                 Said(TextColour::Writing, {"       수수께끼"_j, "", "   낮에는 보이지 않고 밤에는 붉으니,"_j,
                                            "   별이라 부르나 움직이지 않는다."_j, "   하늘에 난 그것의 이름을 아는 자만"_j,
                                            "   그것을 닫을 수 있으리라."_j}),
             }},
            {{{143, 116}}, Words{
                 Said(TextColour::Writing, {"       여섯 석상의 시험"_j, "", "   이 방의 여섯 석상이 그대를 시험한다."_j,
                                            "   하늘과 기계, 이치와 옛 이야기, 그리고"_j, "   수를 아는 자는 보답을 받으리라."_j,
                                            "   여섯째 석상은 운명을 말하리라."_j, "   석상은 깨우는 돌이 읽힌 뒤에 말한다."_j}),
             }},
            {{{30, 100}}, [] {
                 Say(TextColour::Writing, {"       깨우는 돌"_j, "", "   이 글을 읽는 자여, 석상들이 그대를"_j,
                                           "   기다리며 눈을 떴다."_j});
                 SetBit(Bit::PyramidStatuesAwake);
             }},
        },
        {},
    };
    return script;
}

}  // namespace vela
