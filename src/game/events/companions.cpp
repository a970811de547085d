#include "game/events/companions.h"

#include <array>
#include <string>
#include <string_view>

#include "game/state/party.h"
#include "game/ui/messages.h"
#include "game/ui/speech.h"
#include "screen/johab.h"

namespace vela {

namespace {

// One utterance: the first line follows the speaker's name, the second
// continues it.
struct Line {
    std::string_view first, second;
};

// Each keeps the speech level of his first words: 알데바란 and 카스토르
// 하게체, 폴라리스 and 스피카 해요체, the goblin 반말, the rest 하오체.
struct Voice {
    std::string_view name;   // as the member's record carries it
    std::array<Line, 3> at;  // by CompanionMoment
};

const std::array<Voice, std::size_t(Companion::Count)> kVoices = {{
    {"알데바란"_j,
     {{{"마지막 계단이로군. 자네 등은"_j, "내가 맡겠네."_j},
       {"성주님... 끝까지 성을 지키셨군."_j, "이 원수는 반드시 갚겠네."_j},
       {"자네 아버지도 같은 길을 갔네."_j, "자네가 정하게. 우리는 따르겠네."_j}}}},
    {"폴라리스"_j,
     {{{"돌아가면 주점에서 제일 큰 불꽃을"_j, "보여 드릴게요. 약속해요."_j},
       {"주점도 광장도... 다 사라졌어요."_j, "이건 꿈이죠? 그렇죠?"_j},
       {"가지 마요... 아니, 가요."_j, "당신이라면 할 수 있어요."_j}}}},
    {"리겔"_j,
     {{{"어둠 속에서도 과녁은 보이오."_j, "내 화살을 믿으시오."_j},
       {"내 집이 있던 자리요. 돌 하나"_j, "남지 않았구려."_j},
       {"어느 쪽을 고르든 내 화살은"_j, "당신 편이오."_j}}}},
    {"스피카"_j,
     {{{"이번에는 아무도 잃지 않을 거예요."_j, "다치면 바로 말해요."_j},
       {"누구라도 살아 있다면 고칠 텐데..."_j, "아무도 대답하지 않아요."_j},
       {"잊더라도 무언가는 남을 거예요."_j, "저는 그렇게 믿어요."_j}}}},
    {"미라크"_j,
     {{{"악마의 요새라... 자물쇠 구경은"_j, "실컷 하겠구려."_j},
       {"그 감옥마저 무너졌구려. 나를"_j, "거기서 꺼내 준 게 당신이었는데 말이오."_j},
       {"세상을 통째로 훔쳐 내는 일이라..."_j, "그건 나도 못 해 본 일이오."_j}}}},
    {"고블린 주술사"_j,
     {{{"킬킬, 냄새 좋은걸."_j, "끝까지 따라가 주지."_j},
       {"킬킬... 아니, 웃을 일이"_j, "아니군. 이건 너무하잖아."_j},
       {"킬킬... 잊히는 건 싫은데."_j, "그래도 너라면 뭐, 괜찮겠지."_j}}}},
    {"카스토르"_j,
     {{{"세리우스 님께 좋은 소식을"_j, "전해야 하지 않겠나. 가세."_j},
       {"라스트디치도 이렇게 되었겠군."_j, "세리우스 님 곁을 지켰어야 했네."_j},
       {"자네를 잊는다 해도, 자네가"_j, "지킨 것은 남을 걸세."_j}}}},
    {"벨라트릭스"_j,
     {{{"스물여섯 해 전 여기서 나는"_j, "등을 돌렸소. 이번에는 끝까지 가겠소."_j},
       {"헤베온, 자네에게 끝내 용서를"_j, "빌지 못했구려."_j},
       {"이번에는 달아나지 않겠소."_j, "자네가 닫는 동안 문 앞은 내가 지키리다."_j}}}},
    {"베가"_j,
     {{{"스승님의 목소리가 저토록"_j, "약해지시다니... 서두릅시다."_j},
       {"이 붉은 빛... 스승님이시오!"_j, "아직 여기 계시오."_j},
       {"스승님의 마지막 부탁이오. 우리 힘을"_j, "모아 당신을 보내겠소."_j}}}},
    {"알니람"_j,
     {{{"빛의 지붕의 빚을 갚을 때가 왔소."_j, "앞장서겠소."_j},
       {"빛의 지붕이 무너진 밤과"_j, "똑같구려. 이번에는 물러서지 않겠소."_j},
       {"빛을 지키는 자에게... 사원의 글이"_j, "이제야 무슨 뜻인지 알겠소."_j}}}},
}};

}  // namespace

bool InParty(Companion who) {
    std::string_view name = kVoices[std::size_t(who)].name;
    for (int slot = kHeroSlot + 1; slot <= kLastFightingSlot; ++slot) {
        const MemberRecord& m = Member[slot];
        if (m.Name.str() == name) return m.Dead == 0 && m.Unconscious == 0;
    }
    return false;
}

bool CompanionsSpeak(CompanionMoment moment, std::initializer_list<std::string_view> lead) {
    bool spoke = false;
    for (int who = 0; who < int(Companion::Count); ++who) {
        if (!InParty(Companion(who))) continue;
        if (!spoke) Say(TextColour::Scene, lead);
        const Voice& voice = kVoices[std::size_t(who)];
        const Line& line = voice.at[std::size_t(moment)];
        WriteMessage3(TextColour::Speech, TextColour::Emphasis, " ", voice.name, ": " + std::string(line.first));
        WriteMessage(TextColour::Speech, line.second);
        spoke = true;
    }
    return spoke;
}

}  // namespace vela
