// 메너스 (map 10): the cave of the black altar. The altar's two squares play
// the story by stage (the first look, the fiends, the ways down); the cave
// mouth on row 45 leads out.
#include <algorithm>

#include "game/acts/member_limits.h"
#include "game/battle/battle.h"
#include "game/battle/scripted_battle.h"
#include "game/events/companions.h"
#include "game/events/map_script.h"
#include "game/events/primitives.h"
#include "game/events/underworld.h"
#include "game/state/party.h"
#include "game/ui/messages.h"
#include "game/ui/party_panel.h"
#include "game/world/map_data.h"
#include "screen/johab.h"
#include "runtime/key_queue.h"

namespace vela {

namespace {

constexpr int kFiend = 9, kFiendLeader = 14;
constexpr int kFacingDown = 4;  // the den figure facing south

void firstLook() {
    ClearMessages();
    Say(TextColour::Scene, {" 동굴의 가장 깊은 곳에 검은 돌로 된 제단이"_j, "놓여 있었다."_j,
                            " 제단 틈에서 차가운 바람이 새어 나와"_j, "횃불이 흔들렸다. 그 밖에는 아무것도"_j,
                            "보이지 않았다."_j});
    WriteBlankLine();
    Say(TextColour::Scene, {" 성주님께 본 것을 알려야 할 것 같다."_j});
    AdvanceStage();
}

// Members the fiends left on the ground come to long after, with a quarter
// of their health and the swamp's poison worn off: a lone hero poisoned on
// the way here must be able to walk home, not die of it ten steps later.
void comeTo() {
    bool poisonGone = false;
    for (int slot = 1; slot <= kLastPersonSlot; ++slot) {
        MemberRecord& m = Member[slot];
        if (m.Name.empty() || m.Dead > 0) continue;
        if (m.Unconscious > 0 || m.HP <= 0) {
            m.Unconscious = 0;
            m.HP = int16_t(std::max(1, FullHP(slot) / 4));
            poisonGone |= m.Poison > 0;
            m.Poison = 0;
        }
    }
    DrawVitals();
    Say(TextColour::Scene, {" 얼마나 지났을까. 정신을 차려 보니 마귀들은"_j, "사라지고 없었다."_j});
    if (poisonGone) Say(TextColour::Scene, {" 몸에 퍼졌던 독 기운도 어느새 빠져 있었다."_j});
}

void fiends() {
    ClearMessages();
    Say(TextColour::Scene, {" 제단에 다가가자 제단 틈의 바람이 갑자기"_j, "거세졌다."_j});
    Delay(2000);
    PartySprite = kFacingDown;
    for (int row = 42; row >= 40; --row) {
        MoveParty(PartyX, row);
        Delay(2000);
    }
    Say(TextColour::Scene, {" 보이지 않는 힘이 일행을 제단에서"_j, "밀어내고 있다!"_j});
    Delay(5000);
    SetFoeCount(8);
    for (int s = 1; s <= 7; ++s) SetFoe(s, kFiend);
    SetFoe(8, kFiendLeader);
    ShowFoes();
    ClearMessages();
    Say(TextColour::FoeWords, {" 크크크... 26년을 기다렸다."_j, " 봉인의 아이가 제 발로 찾아오다니!"_j,
                               " 우리 주인께 바칠 첫 제물이 되어라!"_j});
    PressAnyKey();
    BattleOutcome outcome;
    do {
        Battle(false, false);
        outcome = ReadBattleOutcome();
    } while (outcome == BattleOutcome::Fled);
    if (outcome == BattleOutcome::Restored) return;
    MoveParty(PartyX, PartyY);
    ClearMessages();
    if (outcome == BattleOutcome::Lost) {
        comeTo();
    } else {
        Say(TextColour::Scene, {" 마지막 마귀가 쓰러지며 검은 연기가 되어"_j, "제단 틈으로 빨려 들어갔다."_j});
    }
    Say(TextColour::Scene, {" 제단 위에 붉은 별빛 같은 것이 잠시"_j, "어른거리다 꺼졌다."_j,
                            " 이 일을 어서 성주님께 알려야 한다."_j});
    AdvanceStage();
}

// 레드 안타레스 lives on in the seal of this altar: at each way down his
// voice rises from the stone, fainter every time.
void firstVoice() {
    Say(TextColour::Scene, {" 제단에 다가가자 돌 깊은 곳에서 낮은"_j, "목소리가 울려 왔다."_j});
    if (IsSet(Bit::PyramidReunion))
        Say(TextColour::Voice, {" 또 만났구려. 피라미드에서 그대를 본"_j, "뒤로 줄곧 이날을 기다렸소."_j});
    else
        Say(TextColour::Voice, {" 헤베온이 보낸 이들이구려. 나는 레드"_j, "안타레스, 이 봉인에 남은 목소리요."_j});
    Say(TextColour::Voice, {" 땅 밑에는 빛을 잃은 이들이 있소. 그들이"_j, "남긴 것을 찾으시오. 적을 알아야 문을"_j,
                            "닫을 수 있소."_j});
}

void secondVoice() {
    Say(TextColour::Scene, {" 제단의 돌이 떨리더니 다시 그 목소리가"_j, "들려왔다. 지난번보다 가늘었다."_j});
    Say(TextColour::Voice, {" 그대들이 돌아온 뒤로 봉인이 한결"_j, "무거워졌소. 문 너머의 그가 서두르고"_j,
                            "있다는 뜻이오."_j, " 그대 아버지도 이 제단 앞에서 두려워했지만"_j,
                            "끝내 물러서지 않았소. 그대도 그러리라 믿소."_j});
}

// The ways down that the sages open: the first descent lands in the ring of
// broken statues, the second in the ring of obelisks.
void descend(void (*voice)(), int x, int y, uint8_t mark) {
    ClearMessages();
    voice();
    WriteBlankLine();
    Say(TextColour::Scene, {" 현자들이 열어 놓은 제단의 틈으로 일행은"_j, "땅 밑 깊이 내려갔다."_j});
    NextPage();
    Party.Flags[FlagStoryObjectives] |= mark;
    ChangeMap(kUnderworld1, x, y);
}

// The last way down leads past the first underworld to the second; the
// companions speak before the stair.
void lastDescent() {
    ClearMessages();
    Say(TextColour::Scene, {" 검은 제단이 낮게 울리더니, 현자들이 새긴"_j,
                            "빛의 문양이 제단 위에 떠올랐다. 발밑의"_j,
                            "돌이 갈라지며 더 깊은 계단이 드러났다."_j,
                            "",
                            " 계단 아래에서 끊어질 듯한 목소리가"_j,
                            "올라왔다."_j});
    Say(TextColour::Voice, {" ...들리오? 이제는 목소리를 내는 것도"_j, "힘이 드는구려."_j,
                            " 남은 문은 둘, 아스모데우스와"_j, "메피스토펠레스요. 그 둘이 쓰러지면..."_j,
                            " 아니오, 그 이야기는 지상에서 하리다."_j, "부디 살아서 올라오시오."_j});
    NextPage();
    if (CompanionsSpeak(CompanionMoment::LastDescent, {" 일행은 계단 앞에서 서로를 돌아보았다."_j, ""})) NextPage();
    SetBit(Bit::ObjectiveMenace);
    Curtain();
    EnterUnderworld2(30, 84);
}

void altar() {
    switch (Stage()) {
        case StoryStage::SentToMenace: firstLook(); break;
        case StoryStage::SentBackToMenace: fiends(); break;
        case StoryStage::FirstWayOpen: descend(firstVoice, 51, 51, 0x01); break;
        case StoryStage::SecondWayOpen: descend(secondVoice, 14, 24, 0x10); break;
        case StoryStage::LastWayOpen: lastDescent(); break;
        default:
            ClearMessages();
            Say(TextColour::Scene, {" 검은 제단은 차갑게 침묵하고 있다."_j});
            break;
    }
}

}  // namespace

const MapScript& MenaceScript() {
    static const MapScript script{
        {
            {{{25, 43}, {26, 43}}, altar},
            {{{8, 45}, {9, 45}, {10, 45}}, [] { LeaveFor(kOverworld, 17, 88); }},
        },
        {},
        {},
        {},
    };
    return script;
}

}  // namespace vela
