#include "game/camp/prophecy.h"

#include "game/state/party.h"
#include "game/state/story.h"
#include "screen/johab.h"

namespace vela {

// Each fits the prophecy line after " # 당신은 " and before " 것이다".
const std::array<std::string_view, 21> ProphecyPhrases = {
    "성주 헤베온을 만나게 될"_j,  // 1
    "메너스에서 검은 제단을 볼"_j,  // 2
    "성주에게 돌아가 알리게 될"_j,  // 3
    "메너스의 마귀들과 싸우게 될"_j,  // 4
    "성주에게 메너스의 일을 알릴"_j,  // 5
    "라스트디치의 성주를 만날"_j,  // 6
    "피라미드 석상들의 시험을 풀"_j,  // 7
    "세리우스에게 돌아가 알릴"_j,  // 8
    "흉성의 증거와 단서로 내려갈"_j,  // 9
    "스무 날 뒤 지하로 내려갈"_j,  // 10
    "메너스 아래 지하로 내려갈"_j,  // 11
    "빛의 지붕에서 죽음을 볼"_j,  // 12
    "빛의 사원에서 무기를 얻을"_j,  // 13
    "필멸의 생존에서 기록을 읽을"_j,  // 14
    "지상으로 돌아가는 길을 찾을"_j,  // 15
    "보름 뒤 다시 지하로 내려갈"_j,  // 16
    "베리알의 수호자들과 싸울"_j,  // 17
    "몰록의 거울 앞에 설"_j,  // 18
    "닷새 뒤 마지막으로 내려갈"_j,  // 19
    "아스모데우스의 레버를 밀"_j,  // 20
    "메피스토펠레스의 요새에 들"_j,  // 21
};

namespace {

// The phrase of the lowest clear bit among the listed ones, or allSet.
int firstClear(uint8_t bits, std::initializer_list<std::pair<int, int>> bitPhrases, int allSet) {
    for (auto [bit, phrase] : bitPhrases)
        if ((bits & (1 << bit)) == 0) return phrase;
    return allSet;
}

}  // namespace

int ProphecyIndex() {
    using enum StoryStage;
    using enum LordsTask;
    uint8_t bits = Party.Flags[FlagStoryObjectives];
    switch (Stage()) {
        case Begun: case SagesSummoned: return 1;
        case SentToMenace: return 2;
        case SawTheAltar: case LordsTaskDone: case FirstDescentDone: case SecondDescentDone: return 3;
        case SentBackToMenace: return 4;
        case FoughtTheFiends: return 5;
        case SentToLastDitch:
            switch (SubStage()) {
                case NotStarted: return 6;
                case SentToPyramid: return 7;
                case StatuesPassed: case FindsBrought: return 8;
                case SentToTheRooms: return 9;
                case LetterWritten: return 3;
                default: return 0;
            }
        case FirstWayPromised: return 10;
        case FirstWayOpen: return firstClear(bits, {{0, 11}, {1, 12}, {2, 13}, {3, 14}}, 15);
        case SecondWayPromised: return 16;
        case SecondWayOpen: return firstClear(bits, {{4, 11}, {5, 17}, {6, 18}}, 15);
        case LastWayPromised: return 19;
        case LastWayOpen: return firstClear(bits, {{0, 11}, {1, 20}, {2, 21}}, 22);
        case MephistoSlain: return 22;
        default: return 0;
    }
}

}  // namespace vela
