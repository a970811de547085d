// 빛의 지붕 (map 8): a colony that lived under a dome of light and died of
// the dark. Four of its dead still tell what happened; one woman lived.
#include "game/events/map_script.h"
#include "game/events/primitives.h"
#include "game/events/underworld.h"
#include "game/ui/messages.h"
#include "game/world/map_data.h"
#include "game/world/map_view.h"
#include "screen/johab.h"

namespace vela {

namespace {

void leave() { LeavePlace(kUnderworld1, 66, 77); }

void find1() { FindItem(Bit::DomeFind1, 3, 5); }
void find2() { FindItem(Bit::DomeFind2, 1, 5); }
void find3() { FindGold(Bit::DomeFind3, 30000); }

// The chief died at his desk with his journal under his hand.
void chief() {
    ClearMessages();
    Say(TextColour::Scene, {" 책상에 엎드린 채 숨진 노인의 손 아래에"_j,
                            "일지 한 권이 펼쳐져 있었다."_j,
                            ""});
    Say(TextColour::Writing, {" 빛의 지붕 개척지, 촌장의 일지."_j,
                              " 우리가 전쟁을 피해 이 땅 밑으로 내려온 지"_j,
                              "서른 해. 돔의 빛은 우리에게 해도 되고"_j,
                              "달도 되었다. 밭은 푸르렀고 아이들은 웃으며"_j,
                              "자랐다."_j,
                              " 그런데 올봄, 지상에 붉은 별이 떴다는"_j,
                              "소문과 함께 돔의 빛이 흐려지기 시작했다."_j,
                              " 빛의 사원의 사제들이 말하기를, 그 별이"_j,
                              "뜬 뒤로 무언가가 돔의 빛을 먹고 있다고"_j,
                              "했다."_j});
    NextPage();
    Say(TextColour::Writing, {" 빛이 꺼진 밤, 어둠 속에서 그것들이 왔다."_j,
                              "경비대는 사흘을 버티지 못했다."_j,
                              " 사원의 무기만이 그것들을 막을 수 있다고"_j,
                              "하지만, 사원으로 가는 길은 이미 끊겼다."_j,
                              " 누구든 이 글을 읽는다면 부탁한다."_j,
                              "빛의 사원의 무기를 찾아, 문을 지키는"_j,
                              "네 마왕을 쓰러뜨려 주기를."_j,
                              " 그리고 지하실의 아이를..."_j,
                              "",
                              " 일지는 거기서 끊겨 있었다."_j});
    SetBit(Bit::ObjectiveDome);
}

void guard() {
    ClearMessages();
    Say(TextColour::Scene, {" 부러진 창을 쥔 경비병이 밭고랑에 쓰러져"_j,
                            "있었다. 갑옷에는 날카로운 발톱 자국이"_j,
                            "깊게 나 있었다."_j,
                            " 그가 마지막까지 지킨 쪽은 예배당이었다."_j,
                            "무언가를, 혹은 누군가를 지키려 했던"_j,
                            "것이리라."_j,
                            " 일행은 잠시 고개를 숙였다."_j});
}

void healer() {
    ClearMessages();
    Say(TextColour::Scene, {" 약초 냄새가 배어 있는 진료소 바닥에"_j,
                            "치료사가 쓰러져 있었다. 손에는 마지막"_j,
                            "남은 약병이 꼭 쥐여 있었다."_j,
                            " 벽에는 서툰 글씨가 남아 있었다."_j});
    Say(TextColour::Writing, {" 상처가 아니라 어둠이 사람을 죽인다."_j,
                              "빛을 잃은 자는 살 의지를 잃는다."_j});
}

void storekeeper() {
    ClearMessages();
    WriteMessage(TextColour::Scene, " 창고지기는 빈 선반에 기대어 숨져 있었다."_j);
}

// The survivor: a girl hidden in the cellar by the guard, who goes up the
// moment she sees a light.
void survivor() {
    ClearMessages();
    Say(TextColour::Friendly, {" 오, 빛... 정말 빛이에요? 사람이에요?"_j,
                               " 경비대장 아저씨가 여기 숨어 있으라고"_j,
                               "했어요. 아무 소리도 내지 말라고, 빛이"_j,
                               "다시 올 때까지 나오지 말라고요."_j,
                               " 그것들은 어둠에서 왔어요. 돔의 빛이"_j,
                               "꺼지자 모두가... 모두가..."_j,
                               " 사원의 무기를 찾으세요. 촌장님이 늘"_j,
                               "말씀하셨어요. 그것만이 어둠을 벨 수 있다고."_j,
                               " 저는 이제 위로 올라가 볼게요. 고마워요."_j});
    SetMapTile(25, 61, 47);
    SetBit(Bit::DomeSurvivor);
    DrawMapView(true);
}

}  // namespace

const MapScript& DomeScript() {
    static const MapScript script{
        {
            {{{24, 7}, {25, 7}, {26, 7}}, leave},
            {{{8, 30}}, find1},
            {{{43, 26}}, find2},
            {{{21, 55}}, find3},
        },
        {},
        {},
        {
            {{{39, 17}}, chief},
            {{{36, 50}}, guard},
            {{{12, 26}}, healer},
            {{{39, 31}}, storekeeper},
            {{{25, 61}}, survivor},
        },
    };
    return script;
}

}  // namespace vela
