// 필멸의 생존 (map 14): the cave where the last men of the colony held out,
// and on the last of them his account of how they died.
#include "game/events/map_script.h"
#include "game/events/primitives.h"
#include "game/events/underworld.h"
#include "game/ui/messages.h"
#include "screen/johab.h"

namespace vela {

namespace {

void leave() { LeavePlace(3, 33, 50); }

void find() { FindItem(Bit::MortalFind, 5, 2); }

void account() {
    ClearMessages();
    Say(7, {" 동굴 가장 깊은 곳, 마지막 남자가 벽에"_j,
            "기대어 숨져 있었다. 그의 품에서 빽빽하게"_j,
            "적힌 수첩이 나왔다."_j});
    NextPage();
    Say(15, {" 첫째 날. 돔의 빛이 꺼졌다. 우리 열두"_j,
             "사람은 촌장의 명으로 물과 식량을 지고"_j,
             "이 동굴로 피했다. 나머지는 남았다."_j,
             " 셋째 날. 동굴 입구에서 비명이 들렸다."_j,
             "돌아보지 않았다. 돌아볼 수 없었다."_j,
             " 닷새째. 물이 썩기 시작했다. 한스가 물을"_j,
             "찾으러 나갔다가 돌아오지 않았다."_j,
             " 이레째. 어둠 속에서 누군가 속삭인다."_j,
             "나가면 살려 주겠다고. 빛을 내놓으면"_j,
             "살려 주겠다고. 마르타가 그 말을 믿고"_j,
             "횃불을 모두 들고 나갔다."_j,
             " 열흘째. 마르타가 돌아왔다. 그러나 그것은"_j,
             "더 이상 마르타가 아니었다."_j});
    NextPage();
    Say(15, {" 그것들은 사람을 죽이지 않는다. 빛을"_j,
             "빼앗고, 그 빈자리에 어둠을 채운다."_j,
             "어둠이 찬 사람은 눈빛이 탁해지고, 옛"_j,
             "동료를 향해 칼을 든다."_j,
             " 열사흘째. 남은 사람은 넷. 우리는 서로의"_j,
             "눈을 들여다보며 잠든다. 누가 먼저 변할지"_j,
             "모르니까."_j,
             " 보름째. 나는 속삭임의 주인을 보았다."_j,
             "붉은 별 아래 문을 지키는 네 마왕. 그들은"_j,
             "모두 한 목소리로 말했다. 에레보스가"_j,
             "돌아온다고. 이번에는 봉인이 없다고."_j,
             " 그 이름을 듣는 순간 알았다. 스물여섯 해"_j,
             "전 지상에서 봉인되었다던 바로 그것이다."_j});
    NextPage();
    Say(15, {" 스무째 날. 나 혼자 남았다. 다른 셋은"_j,
             "어둠 속으로 걸어 나갔다. 아직 나를 부르는"_j,
             "소리가 들린다. 그들의 목소리로."_j,
             " 이 글을 읽는 이여. 그대가 지상에서 왔다면"_j,
             "부디 알려 주오. 문은 넷이고, 문지기는"_j,
             "베리알, 몰록, 아스모데우스, 그리고"_j,
             "메피스토펠레스. 넷이 모두 쓰러지기 전에는"_j,
             "에레보스의 문은 닫히지 않는다."_j,
             " 몰록은 거울로 싸운다. 그대 자신의 그림자를"_j,
             "조심하라. 아스모데우스의 동굴은 레버로"_j,
             "길이 바뀐다. 메피스토펠레스는... 모른다."_j,
             " 횃불이 다 타 간다. 빛이 있는 동안 나는"_j,
             "아직 나다. 이것으로 충분하다."_j});
    NextPage();
    Say(7, {" 마지막 장에는 아무것도 적혀 있지 않았다."_j,
            "일행은 수첩을 덮고 그의 얼굴을 덮어 주었다."_j});
    SetBit(Bit::ObjectiveAccount);
}

}  // namespace

const MapScript& MortalScript() {
    static const MapScript script{
        {
            {{{11, 8}}, account},
            {{{45, 9}}, find},
            {{{38, 45}, {39, 45}, {40, 45}}, leave},
        },
        {},
        {},
        {},
    };
    return script;
}

}  // namespace vela
