// 라스트디치 (map 7): the town of the scholar-lord 세리우스. Special squares,
// the walled-up cave, the signs, then the people in script order.
#include <string>

#include "game/events/map_script.h"
#include "game/events/primitives.h"
#include "game/events/statue_quiz.h"
#include "game/state/party.h"
#include "game/town/services.h"
#include "game/ui/menus.h"
#include "game/ui/messages.h"
#include "screen/johab.h"

namespace vela {

namespace {

void reward(std::string_view summary) {
    WriteBlankLine();
    WriteMessage(TextColour::Reward, summary);
}

// 레드 안타레스's words from the pyramid reach his old friend once.
void antaresMessage() {
    Say(TextColour::Speech, {" 레드 안타레스 님을 만났단 말이오? 그분이"_j,
                             "봉인이 아직 절반은 버티고 있다고"_j,
                             "하셨소?"_j,
                             " ...고맙소. 그분의 말을 전해 들은 것이"_j,
                             "몇 해 만인지 모르겠구려. 절반이라도"_j,
                             "버틴다면 우리에게는 아직 시간이 있소."_j});
    SetBit(Bit::AntaresMessage);
    NextPage();
}

void lord() {
    if (IsSet(Bit::PyramidReunion) && !IsSet(Bit::AntaresMessage)) antaresMessage();
    if (Stage() < StoryStage::SentToLastDitch) {
        Say(TextColour::Speech, {" 나는 이 성의 성주 세리우스요."_j,
                                 " 헤베온과는 옛 전쟁을 함께 치른 사이라오."_j,
                                 "그의 안부를 전해 준다면 고맙겠소."_j});
        return;
    }
    switch (SubStage()) {
        case LordsTask::NotStarted:
            Say(TextColour::Speech, {" 헤베온이 보냈구려. 메너스의 일은 이미"_j,
                                     "들었소. 26년 전 우리가 세운 봉인이"_j,
                                     "흔들리고 있는 것 같소."_j,
                                     " 남쪽 사막의 피라미드로 가시오. 그 안의"_j,
                                     "석상들이 옛 시험을 내고 있을 것이오."_j});
            NextPage();
            Say(TextColour::Speech, {" 시험을 통과한 자만이 그 아래로 내려가"_j,
                                     "흉성에 대한 진실을 볼 수 있다고 옛 글에"_j,
                                     "적혀 있소. 다녀와서 본 것을 알려 주시오."_j});
            AdvanceSubStage();
            break;
        case LordsTask::SentToPyramid:
            if (AllStatuesPassed()) {
                AdvanceSubStage();
                lord();
                break;
            }
            Say(TextColour::Speech, {" 피라미드의 석상들은 지혜를 시험하오."_j,
                                     "서두르지 말고 하나하나 풀어 보시오."_j});
            break;
        case LordsTask::StatuesPassed:
            Say(TextColour::Speech, {" 석상들이 길을 열어 주었다니 놀랍구려."_j,
                                     " 이제 피라미드 아래의 두 방, 흉성의 증거와"_j,
                                     "흉성의 단서를 찾아가시오. 그 두 곳에"_j,
                                     "흉성의 정체가 남아 있을 것이오."_j});
            GiveExperience(50000);
            AddGold(10000);
            reward(" [ 경험치 + 50000 ] [ 황금 + 10000 ]"_j);
            AdvanceSubStage();
            break;
        case LordsTask::SentToTheRooms:
            if (!IsSet(Bit::EvidenceTablet) || !IsSet(Bit::ClueObject)) {
                Say(TextColour::Speech, {" 흉성의 증거에서 석판을 읽고, 흉성의"_j,
                                         "단서에서 숨겨진 것을 찾아오시오."_j,
                                         "둘 다 있어야 진실을 밝힐 수 있소."_j});
                break;
            }
            Say(TextColour::Speech, {" 석판과 그 물건을 모두 찾아왔구려!"_j,
                                     " 석판에는 에레보스의 이름이, 그리고 이"_j,
                                     "물건에는 그가 지나온 문의 흔적이 있소."_j});
            GiveExperience(100000);
            AddGold(15000);
            reward(" [ 경험치 + 100000 ] [ 황금 + 15000 ]"_j);
            AdvanceSubStage();
            // What the finds mean and where to go now follow in the same
            // talk: nothing is left for a talk the player cannot guess at.
            NextPage();
            [[fallthrough]];
        case LordsTask::FindsBrought:
            Say(TextColour::Speech, {" 내 생각이 맞다면, 흉성은 별이 아니라"_j,
                                     "문이오. 에레보스가 이 세상으로 돌아오려는"_j,
                                     "세계와 세계 사이의 문 말이오."_j,
                                     " 이 사실을 헤베온에게 서신으로 알리겠소."_j});
            AdvanceSubStage();
            [[fallthrough]];
        default:
            Say(TextColour::Speech, {" 타른으로 돌아가 헤베온을 만나시오."_j,
                                     "문 너머로 가는 길은 그가 찾을 것이오."_j,
                                     " 레드 안타레스 님의 가호가 있기를."_j});
            if (Stage() == StoryStage::SentToLastDitch) AdvanceStage();
            break;
    }
}

const Recruit kCastor{"카스토르"_j, 0, kFighterFamily, 2, 18, 8, 11, 17, 11, 12, 14, 10, 8, 3, 2, 3,
                      {30, 30, 25, 0, 25, 20}};
const Recruit kBellatrix{"벨라트릭스"_j, 0, kFighterFamily, 6, 19, 10, 13, 18, 13, 15, 15, 9, 12, 18, 2, 4,
                         {45, 0, 40, 45, 0, 40}};

void hiddenComrade() {
    if (!MindReadingActive()) {
        Say(TextColour::Scene, {" 구석의 노인은 당신을 힐끗 보더니 아무 말도"_j,
                                "하지 않았다."_j});
        return;
    }
    if (!IsSet(Bit::BellatrixStory)) {
        Say(TextColour::Scene, {" 당신이 노인의 마음을 읽자, 그가 놀란 듯"_j,
                                "고개를 들었다."_j});
        WriteBlankLine();
        Say(TextColour::Secret, {" ...내 마음을 읽었구려. 그렇다면 숨길"_j,
                                 "것도 없소. 나는 벨라트릭스요."_j,
                                 " 그렇소. 옛 전쟁의 다섯 동료 중 하나,"_j,
                                 "메너스의 제단에서 도망친 바로 그자요."_j,
                                 " 자네 얼굴을 보니 알겠소. 자네 아버지를"_j,
                                 "꼭 닮았구려. 이야기를 들어 주겠나?"_j,
                                 " 26년 동안 아무에게도 하지 못한 이야기요."_j,
                                 " 그날 제단 앞에서 땅이 갈라졌을 때,"_j,
                                 "나는 그 틈 너머를 보았소."_j,
                                 " 다른 사람들은 어둠만 보았다고 했소."_j,
                                 "하지만 나는 그 안쪽까지 보고 말았소."_j});
        NextPage();
        Say(TextColour::Secret, {" 거기에는 하늘도 땅도 없었소. 끝없는"_j,
                                 "어둠과, 그 어둠 속에서 눈을 뜬 무언가가"_j,
                                 "있었소. 그것이 에레보스였소."_j,
                                 " 그것은 나를 보았소. 그리고 나는 그것이"_j,
                                 "무엇을 원하는지 알아 버렸소."_j,
                                 " 세상을 부수려는 것이 아니었소. 세상을"_j,
                                 "처음부터 다시 쓰려는 것이었소. 자기가"_j,
                                 "없던 적이 없는 세상으로."_j,
                                 " 레드 안타레스 님은 주문을 외고 있었고,"_j,
                                 "자네 아버지는 문 앞에 서 있었소."_j,
                                 " 그리고 나는... 달아났소."_j,
                                 " 칼을 버리고, 이름을 버리고, 뒤도 돌아보지"_j,
                                 "않고 달렸소."_j,
                                 " 늪을 지나 강을 건널 때까지 멈추지 않았소."_j});
        NextPage();
        Say(TextColour::Secret, {" 사흘 뒤 소문을 들었소. 문은 닫혔고,"_j,
                                 "자네 아버지는 돌아오지 못했다고."_j,
                                 " 그 뒤로 나는 이 도시에서 이름 없는 늙은이로"_j,
                                 "살았소. 무기 상점의 심부름꾼으로 말이오."_j,
                                 " 세리우스는 알고 있었을 거요. 하지만"_j,
                                 "한 번도 날 찾지 않았소. 그게 그의 자비였소."_j,
                                 " 그런데 흉성이 떴소. 그 별빛 아래서 나는"_j,
                                 "매일 밤 그 눈을 다시 보오."_j,
                                 " 하나만 알려 주겠소. 그때 나는 보았소."_j,
                                 "그 문은 바깥에서는 절반밖에 닫히지 않소."_j,
                                 " 안에서 닫아야만 완전히 닫힌다오."_j,
                                 " 레드 안타레스 님도 그걸 알고 계셨을 거요."_j,
                                 "그래서 봉인이 절반뿐이라고 하셨던 것이오."_j,
                                 " 그 말을 전할 용기가 없어 26년을 보냈소."_j});
        NextPage();
        Say(TextColour::Secret, {" 이제 늙었지만, 이번에는 달아나지 않겠소."_j,
                                 " 자네 아버지가 지키던 자리를, 이번에는"_j,
                                 "내가 자네 곁에서 지키고 싶소."_j,
                                 " 칼은 무겁고 무릎은 예전 같지 않지만,"_j,
                                 "그 눈을 마주 볼 수 있는 사람은 이제 나와"_j,
                                 "레드 안타레스 님뿐이오."_j,
                                 " 나를 데려가 주겠나?"_j});
        SetBit(Bit::BellatrixStory);
    } else {
        Say(TextColour::Secret, {" 마음은 정했소. 나를 데려가 주겠나?"_j});
    }
    OfferToJoin(kBellatrix, Bit::Bellatrix, {" 자네 곁에는 이미 믿음직한 동료들이"_j,
                                             "가득하구려. 나는 여기서 기다리겠소."_j});
}

void leaveTown() {
    if (AskLeave())
        ChangeMap(kOverworld, 76, 58);
    else
        StepOffSquare();
}

}  // namespace

const MapScript& LastDitchScript() {
    static const MapScript script{
        // special squares
        {
            {{{38, 65}, {39, 65}}, leaveTown},
            {{{38, 41}, {39, 41}}, [] {
                 ClearMessages();
                 Say(TextColour::Scene, {" 성문에 방이 붙어 있다."_j});
                 Say(TextColour::Writing, {" 성주님을 뵙고자 하는 이는 문지기에게"_j,
                                           "용건을 말할 것."_j});
             }},
        },
        // entrances: the walled-up cave, wherever its mouth is
        {
            {{}, [] {
                 ClearMessages();
                 Say(TextColour::Scene, {" 동굴의 입구는 커다란 돌로 단단히 막혀"_j,
                                         "있었다. 사람의 힘으로는 열 수 없을 것"_j,
                                         "같았다."_j});
             }},
        },
        // signs
        {
            {{{10, 12}}, Words{
                 Said(TextColour::Warning, {"     피라미드로 가는 옛 길"_j, "", "   이 길은 옛 전쟁 때 막혔습니다."_j,
                                            "   피라미드에 가려는 이는 남쪽"_j, "   사막으로 돌아가십시오."_j}),
             }},
            {{{41, 42}}, Words{Said(TextColour::Writing, {"       라스트디치 성"_j, "", "   학자 성주 세리우스의 성"_j})}},
            {{{36, 62}}, Words{
                 Said(TextColour::Guidance, {"       대지로 나가는 문"_j, "", "   북서쪽으로 가면 타른 성,"_j,
                                             "   북쪽 숲에는 레굴루스의 오두막,"_j, "   남쪽 사막에는 피라미드가 있습니다."_j}),
             }},
        },
        // people
        {
            {{{16, 24}, {21, 21}, {24, 19}}, Guild},
            {{{18, 19}}, TrainingGround},
            {{{17, 56}}, HerbShop},
            {{{17, 58}, {17, 60}}, Hospital},
            {{{59, 60}, {59, 58}, {59, 56}}, ArmsShop},
            {{{57, 17}, {54, 20}}, GoodsShop},
            {{{58, 22}, {59, 25}}, FoodShop},
            {{{37, 41}}, Words{Said(TextColour::Speech, {" 성주님은 안쪽 성에 계십니다."_j, " 예의를 지켜 주십시오."_j})}},
            {{{40, 41}}, Words{
                 Said(TextColour::Speech, {" 요즘은 밤마다 성벽 위에서 붉은 별을"_j,
                                           "지켜봅니다. 저 별이 조금씩 커지는 것"_j,
                                           "같아 불안하군요."_j}),
             }, kDemonsFallKnown, Words{
                 Said(TextColour::Speech, {" 요즘도 밤마다 성벽 위에서 붉은 별을"_j,
                                           "지켜봅니다. 그런데 저 별이 조금씩"_j,
                                           "작아지는 것 같습니다."_j}),
             }},
            {{{36, 19}}, Words{
                 Said(TextColour::Speech, {" 성주님은 밤새 옛 책을 읽으십니다."_j,
                                           "피라미드의 글을 읽을 수 있는 분은 이제"_j,
                                           "성주님뿐이지요."_j}),
             }, kDemonsFallKnown, Words{
                 Said(TextColour::Speech, {" 타른에서 서신이 온 날, 성주님께서"_j,
                                           "오랜만에 웃으셨어요. 악마 둘이"_j,
                                           "쓰러졌다고요."_j}),
             }},
            {{{36, 21}}, Words{Said(TextColour::Speech, {" 타른에서 오셨나요? 먼 길 오셨네요."_j, " 성에서 편히 쉬었다 가세요."_j})},
             kDemonsFallKnown, Words{Said(TextColour::Speech, {" 두 악마를 물리친 분들이시죠? 성안이"_j,
                                                               "온통 당신들 이야기예요."_j})}},
            {{{41, 20}}, Words{
                 Said(TextColour::Speech, {" 나는 성주님의 서기요."_j,
                                           " 요즘 성주님께 오는 서신이 부쩍 늘었소."_j,
                                           "모두 흉성에 관한 것이라오."_j,
                                           " 답장을 쓰느라 손목이 다 아프구려."_j}),
             }, kDemonsFallKnown, Words{
                 Said(TextColour::Speech, {" 나는 성주님의 서기요."_j,
                                           " 요즘은 축하 서신이 쏟아지는구려. 타른에서,"_j,
                                           "바닷가에서, 사막 너머에서까지 말이오."_j,
                                           " 손목은 여전히 아프지만, 이번에는 기쁜"_j,
                                           "아픔이라오."_j}),
             }},
            {{{41, 22}}, Words{Said(TextColour::Speech, {" 성주님 책을 몰래 봤는데 하나도 못"_j,
                                                       "읽겠어요. 글자가 꿈틀거려요!"_j})},
             kDemonsFallKnown, Words{Said(TextColour::Speech, {" 저도 커서 악마를 물리칠 거예요!"_j,
                                                               "성주님 책은 아직도 못 읽지만요."_j})}},
            {{{41, 18}}, [] {
                 Say(TextColour::Speech, {" 카스토르일세. 성주님 곁을 지키고 있네."_j,
                                          " 자네가 흉성을 쫓는다면 내 검도 보태겠네."_j,
                                          "성주님께서도 허락하실 걸세."_j});
                 OfferToJoin(kCastor, Bit::Castor);
             }},
            {{{21, 61}}, Words{
                 Said(TextColour::Speech, {" 나는 동쪽 바닷가에서 왔소."_j,
                                           " 흉성이 처음 뜬 날 밤, 바다가 붉게 끓는"_j,
                                           "것을 보았소. 그 뒤로 고기 한 마리 잡히지"_j,
                                           "않는다오."_j}),
             }, kDemonsFallKnown, Words{
                 Said(TextColour::Speech, {" 바닷가에서 소식이 왔소. 그물에 다시"_j,
                                           "고기가 올라온다는구려. 몇 달 만인지"_j,
                                           "모르겠소. 바다도 이제 숨을 쉬는 모양이오."_j}),
             }},
            {{{56, 59}}, Words{
                 Said(TextColour::Speech, {" 나는 별을 읽는 사람이오."_j,
                                           " 흉성은 떠오른 뒤로 한 번도 움직이지"_j,
                                           "않았소. 별이라면 움직여야 하는데 말이오."_j,
                                           " 내 평생 저런 별은 본 적이 없소."_j}),
             }, kDemonsFallKnown, Words{
                 Said(TextColour::Speech, {" 나는 별을 읽는 사람이오."_j,
                                           " 흉성의 빛이 약해지고 있소. 지난 보름"_j,
                                           "사이에 눈에 띄게 흐려졌소."_j,
                                           " 저것이 무엇이든, 끝이 있는 것이었구려."_j}),
             }},
            {{{60, 42}}, Words{
                 Said(TextColour::Speech, {" 피라미드에 가시오? 그럼 횃불과 식량을"_j,
                                           "넉넉히 챙기시오. 안이 미로라고 들었소."_j}),
             }},
            {{{61, 46}}, Words{
                 Said(TextColour::Speech, {" 흉성이니 저주니, 다 헛소리요."_j,
                                           " 저건 그냥 혜성이오. 몇 달 지나면 사라질"_j,
                                           "거요. 두고 보시오."_j}),
             }, kDemonsFallKnown, Words{
                 Said(TextColour::Speech, {" 거 보시오, 흉성이 흐려지지 않소."_j,
                                           " 몇 달 지나면 사라질 거라고 내가"_j,
                                           "말하지 않았소? 다들 괜히 호들갑이었소."_j}),
             }},
            {{{47, 36}}, Words{
                 Said(TextColour::Speech, {" 나는 성주님의 조언자요."_j,
                                           " 성주님은 말을 아끼시는 분이니, 묻는 것에"_j,
                                           "정확히 답해 드리시오. 그러면 성주님도"_j,
                                           "아는 것을 모두 알려 주실 것이오."_j}),
             }},
            {{{54, 56}}, hiddenComrade},
            {{{38, 17}}, lord},
        },
    };
    return script;
}

}  // namespace vela
