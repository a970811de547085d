#include "game/events/opening.h"

#include "game/ui/messages.h"
#include "game/ui/speech.h"
#include "screen/johab.h"

namespace vela {

void SayOpening() {
    ClearMessages();
    Say(TextColour::Scene, {" 성주 헤베온의 부름을 받고, 당신은"_j,
                            "오랜만에 고향 타른으로 돌아왔다."_j,
                            "",
                            " 성주는 북쪽 성의 알현실에서 당신을"_j,
                            "기다리고 있다. 길을 모르겠거든 큰길을"_j,
                            "따라 동쪽으로 가다가 경비병에게 물어보면"_j,
                            "될 것이다."_j});
}

}  // namespace vela
