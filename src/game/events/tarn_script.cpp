// 타른 (map 6): the home castle and town. People in script order, then the
// special squares, then the signs.
#include <string>

#include "game/events/companions.h"
#include "game/events/event_dispatch.h"
#include "game/events/map_script.h"
#include "game/events/primitives.h"
#include "game/state/party.h"
#include "game/state/rules.h"
#include "game/town/services.h"
#include "game/save/end_of_game.h"
#include "game/ui/menus.h"
#include "game/ui/messages.h"
#include "game/ui/party_panel.h"
#include "game/world/map_view.h"
#include "screen/johab.h"
#include "screen/text_output.h"

namespace vela {

namespace {

constexpr int kVaultGuard = 26;
constexpr int kGoblinTrickster = 12;

std::string heroName() { return Member[kHeroSlot].Name.str(); }

// How townsfolk address the hero.
std::string_view sirOrLady() { return Member[kHeroSlot].Sex == 0 ? std::string_view("나리"_j) : std::string_view("아가씨"_j); }

std::string dueDateText() {
    Date due = DueDate();
    return std::to_string(due.year) + std::string("년 "_j) + std::to_string(due.day / 30 + 1) + std::string("월 "_j) +
           std::to_string(due.day % 30 + 1) + std::string("일"_j);
}

// A long speech starts a line higher so that fifteen lines fill a page.
void fullPage(TextColour colour, std::initializer_list<std::string_view> lines) {
    TextCursor.y -= 16;
    Say(colour, lines);
}

void reward(std::string_view summary) {
    WriteBlankLine();
    WriteMessage(TextColour::Reward, summary);
}

void ruler() {
    switch (Stage()) {
        case StoryStage::Begun:
            Say(TextColour::Speech, {std::string(" 어서 오게, "_j) + heroName() + std::string(". 기다리고 있었네."_j),
                                     " 동쪽 바다 위에 붉은 별이 뜬 것은 자네도"_j,
                                     "보았겠지. 사람들은 그것을 흉성이라 부르네."_j,
                                     " 그 별이 뜬 뒤로 가축이 죽고 우물이 쓰게"_j,
                                     "변했네. 그리고 메너스의 동굴 근처에서는"_j,
                                     "사람들이 하나둘 사라지고 있다네."_j});
            NextPage();
            Say(TextColour::Speech, {" 나는 늙었고, 자네 아버지는 이제 없네."_j,
                                     "그러니 자네에게 부탁하겠네. 메너스의 동굴로"_j,
                                     "가서 무슨 일이 일어나고 있는지 보고 오게."_j,
                                     " 성 앞 길을 따라 남쪽 끝까지 내려가면,"_j,
                                     "늪지대 서쪽 바위 언덕에 동굴이 있네."_j,
                                     " 제단은 그 가장 깊은 곳, 붉은 바위로"_j,
                                     "둘러싸인 방에 있네. 무기고에 들러 채비를"_j,
                                     "하게."_j});
            GiveExperienceTo(kHeroSlot, 10000);
            AddGold(1000);
            reward(" [ 경험치 + 10000 ] [ 황금 + 1000 ]"_j);
            SetBit(Bit::TarnRulersOrders);
            AdvanceStage();
            break;
        case StoryStage::SentToMenace:
            Say(TextColour::Speech, {" 메너스의 동굴은 성 앞 길의 남쪽 끝,"_j,
                                     "늪지대 서쪽 바위 언덕에 있네. 제단은"_j,
                                     "동굴 가장 깊은 곳의 붉은 방에 있네."_j,
                                     " 조심해서 다녀오게."_j});
            break;
        case StoryStage::SawTheAltar:
            Say(TextColour::Speech, {" 검은 돌로 된 제단과 차가운 바람이라..."_j,
                                     " 그 제단은 26년 전 우리가 봉인을 세운"_j,
                                     "바로 그 자리일세. 그 너머의 것은 이름조차"_j,
                                     "입에 올리고 싶지 않네. 설마 봉인이..."_j});
            NextPage();
            Say(TextColour::Speech, {" 다시 메너스로 가 주게. 이번에는 그 안쪽"_j,
                                     "깊은 곳까지 살펴보아야 하네."_j,
                                     " 하지만 조심하게. 무언가가 자네를 기다리고"_j,
                                     "있을지도 모르네."_j});
            AdvanceStage();
            break;
        case StoryStage::SentBackToMenace:
            Say(TextColour::Speech, {" 메너스의 제단을 끝까지 살펴보게."_j,
                                     "자네라면 해낼 수 있을 걸세."_j});
            break;
        case StoryStage::FoughtTheFiends:
            Say(TextColour::Speech, {" 살아 돌아와 주었군. 정말 다행일세."_j,
                                     " 제단을 지키는 마귀들이라니... 이제는 나"_j,
                                     "혼자 판단할 일이 아니네. 라스트디치의 성주"_j,
                                     "세리우스를 찾아가게. 그는 옛 전쟁의 동료이고"_j,
                                     "피라미드의 옛 전승에 밝은 사람일세."_j});
            AddGold(5000);
            reward(" [ 황금 + 5000 ]"_j);
            AdvanceStage();
            break;
        case StoryStage::SentToLastDitch:
            // He follows the lord's task, so a visit home never sends the
            // party back to where it has already been.
            switch (SubStage()) {
                case LordsTask::NotStarted:
                    Say(TextColour::Speech, {" 라스트디치는 남동쪽 강 건너에 있네."_j,
                                             "세리우스에게 내 안부를 전해 주게."_j});
                    break;
                case LordsTask::SentToPyramid:
                    Say(TextColour::Speech, {" 세리우스가 자네를 남동쪽 사막의 피라미드로"_j,
                                             "보냈다고? 석상들의 시험을 모두 풀거든"_j,
                                             "그에게 먼저 알리게."_j});
                    break;
                case LordsTask::SentToTheRooms:
                    Say(TextColour::Speech, {" 피라미드 아래의 두 방, 흉성의 증거와"_j,
                                             "흉성의 단서에서 찾은 것을 세리우스에게"_j,
                                             "보여 주게. 그가 뜻을 읽어 낼 걸세."_j});
                    break;
                default:
                    Say(TextColour::Speech, {" 세리우스가 자네를 기다리고 있을 걸세."_j,
                                             "라스트디치로 가 보게."_j});
                    break;
            }
            break;
        case StoryStage::LordsTaskDone:
            Say(TextColour::Speech, {" 세리우스가 보낸 서신을 읽었네. 그의"_j,
                                     "짐작이 맞다면 우리에게 남은 시간은 많지"_j,
                                     "않네."_j,
                                     " 문 너머로 가는 길을 찾아야 하네. 나라 안의"_j,
                                     "현자들을 모두 불러 모으겠네."_j});
            AdvanceStage();
            // The sages' answer follows in the same audience.
            NextPage();
            [[fallthrough]];
        case StoryStage::SagesSummoned:
            Say(TextColour::Speech, {" 현자들이 말하기를, 메너스를 지나 땅 밑으로"_j,
                                     "내려가는 길을 열려면 스무 날이 필요하다네."_j,
                                     " 그동안 이것으로 채비를 단단히 해 두게."_j});
            AddGold(100000);
            reward(" [ 황금 + 100000 ]"_j);
            SetDueDate(20);
            AdvanceStage();
            break;
        case StoryStage::FirstWayPromised:
        case StoryStage::SecondWayPromised:
        case StoryStage::LastWayPromised:
            if (DueDatePassed()) {
                if (Stage() == StoryStage::LastWayPromised) Party.Flags[FlagStoryObjectives] = 0;
                AdvanceStage();
                TalkTo();
                return;
            }
            Say(TextColour::Speech, {" 아직 길이 열리지 않았네. 현자들은"_j,
                                     dueDateText() + std::string("까지는 기다려 달라고 하네."_j)});
            break;
        case StoryStage::FirstWayOpen:
            Say(TextColour::Speech, {" 길이 열렸네. 메너스의 제단 아래로 내려가면"_j,
                                     "땅 밑의 세계가 있을 걸세."_j,
                                     " 그곳에서 에레보스의 흔적을 찾아 주게."_j,
                                     "빛의 지붕, 빛의 사원, 그리고 필멸의 생존."_j,
                                     "전쟁 때 땅 밑으로 피한 이들이 남긴 곳일세."_j});
            break;
        case StoryStage::FirstDescentDone:
            Say(TextColour::Speech, {" 땅 밑에서 돌아왔군! 자네들이 가져온 소식은"_j,
                                     "무겁지만, 이제 적이 누구인지는 알게 되었네."_j,
                                     " 오늘 밤은 성에서 쉬게. 현자들이 다음 길을"_j,
                                     "여는 데에는 보름이 걸린다고 하네."_j});
            GiveExperience(500000);
            AddGold(100000);
            reward(" [ 경험치 + 500000 ] [ 황금 + 100000 ]"_j);
            SetDueDate(15);
            AdvanceStage();
            NextPage();
            PassTheNight();
            break;
        case StoryStage::SecondWayOpen:
            Say(TextColour::Speech, {" 다시 길이 열렸네. 이번에는 베리알과 몰록,"_j,
                                     "두 악마의 동굴일세."_j,
                                     " 몰록은 사람의 마음을 비추어 그림자를"_j,
                                     "만든다고 하네. 자기 자신을 조심하게."_j});
            break;
        case StoryStage::SecondDescentDone:
            Say(TextColour::Speech, {" 두 악마를 물리쳤다니 믿기지 않는군."_j,
                                     " 이제 남은 것은 아스모데우스와"_j,
                                     "메피스토펠레스뿐일세. 마지막 길은 닷새 뒤에"_j,
                                     "열리네. 그때까지 몸과 마음을 잘 추스르게."_j});
            GiveExperience(1000000);
            AddGold(500000);
            reward(" [ 경험치 + 1000000 ] [ 황금 + 500000 ]"_j);
            SetDueDate(5);
            AdvanceStage();
            NextPage();
            Curtain();
            break;
        case StoryStage::LastWayOpen:
            Say(TextColour::Speech, {" 마지막 길일세. 메너스를 지나 아스모데우스의"_j,
                                     "동굴과 메피스토펠레스의 요새로 가게."_j,
                                     " 자네 아버지도 자네를 자랑스러워할 걸세."_j,
                                     "부디 살아서 돌아오게."_j});
            break;
        default:
            Say(TextColour::Speech, {" ..."});
            break;
    }
}

void gateGuard() {
    if (Stage() == StoryStage::Begun) {
        Say(TextColour::Speech, {" " + heroName() + std::string(" 님이시군요. 성주님께서 찾고"_j),
                                 "계십니다. 북쪽 성의 알현실로 가 보십시오."_j});
        return;
    }
    if (Stage() >= kDemonsFallKnown) {
        Say(TextColour::Speech, {" 두 악마를 물리치셨다는 소식은 성안에"_j,
                                 "다 퍼졌습니다. 마지막 길도 부디 무사히"_j,
                                 "다녀오십시오."_j});
        return;
    }
    Say(TextColour::Speech, {" 성주님의 명을 받으셨다고 들었습니다."_j,
                             " 남동쪽 사막의 피라미드에는 혼자서 가지"_j,
                             "마십시오. 그곳에 들어갔다가 돌아오지 못한"_j,
                             "사람이 한둘이 아닙니다."_j,
                             " 부디 몸조심하십시오. 타른의 모든 사람이"_j,
                             "당신의 무사 귀환을 빌고 있습니다."_j,
                             " 바람이 당신의 등을 밀어 주고,"_j,
                             "별빛이 당신의 길을 비추기를."_j});
}

void rulersOrdersGuard() {
    if (!IsSet(Bit::TarnRulersOrders)) {
        Say(TextColour::Speech, {" 성주님의 명으로 남문은 닫혀 있습니다."_j,
                                 "성주님을 먼저 뵙고 오십시오."_j});
        return;
    }
    Say(TextColour::Speech, {" 성주님께서 당신을 도우라 하셨습니다."_j,
                             " 남문의 열쇠는 묘지기가 잃어버렸다던데,"_j,
                             "묘지 안쪽 어딘가에 떨어져 있을 겁니다."_j});
}

void southGate() {
    if (IsSet(Bit::TarnSouthGateOpen)) return;
    if (!IsSet(Bit::TarnKeyFound)) {
        Say(TextColour::Speech, {" 남문은 닫혀 있습니다. 열쇠가 없으면"_j,
                                 "저도 열어 드릴 수가 없군요."_j});
        return;
    }
    Say(TextColour::Speech, {" 아, 그 열쇠를 찾으셨군요!"_j,
                             " 문을 열어 드리겠습니다. 조심해서"_j,
                             "다녀오십시오."_j});
    SetBit(Bit::TarnSouthGateOpen);
    ReapplyTileChanges(kTarn);
    DrawMapView(true);
}

void bankVault() {
    ShowFoeGroup({kVaultGuard, kVaultGuard, kVaultGuard, kVaultGuard});
    Say(TextColour::FoeWords, {" 거기 서라! 감히 타른의 금고에 손을 대려는"_j,
                               "게냐? 무기를 버리고 항복해라!"_j});
    SetMenuItems("", {"순순히 항복한다"_j, "끝까지 맞선다"_j});
    if (Select(100, 2, 2, false, true) == 1) {
        for (int slot = 1; slot <= kLastPersonSlot; ++slot) {
            if (Member[slot].Name.empty()) continue;
            Member[slot].Weapon = Member[slot].Shield = Member[slot].Armour = 0;
            UpdateEquipment(slot);
        }
        MoveParty(52, 16);
        DrawPartyPanel();
        Say(TextColour::Scene, {" 일행은 무기와 갑옷을 모두 빼앗기고 성의"_j,
                                "감옥 앞까지 끌려왔다."_j,
                                " 경비병은 다시는 그런 짓을 하지 말라며"_j,
                                "일행을 풀어 주었다."_j});
        return;
    }
    ClearMessages();
    ShowFoeGroup({kVaultGuard, kVaultGuard, kVaultGuard, kVaultGuard, kVaultGuard, kVaultGuard, kVaultGuard,
                  kVaultGuard});
    Say(TextColour::FoesAppear, {" 경비병들이 더 몰려왔다!"_j});
    Say(TextColour::Scene, {"", " 소란을 듣고 성주가 직접 나타났다."_j,
                            " 성주는 말없이 손을 들었고, 번쩍이는 빛과"_j,
                            "함께 일행은 쓰러졌다."_j});
    NextPage();
    for (int slot = 1; slot <= kLastFightingSlot; ++slot) {
        MemberRecord& m = Member[slot];
        if (m.Name.empty() || m.Dead > 0) continue;
        m.HP = -9999;
        m.Unconscious = 9999;
        m.Dead = 9999;
    }
    DrawPartyPanel();
    PartyFate() = kFateBattle;
    EndOfGameDialog();
}

void armoury() {
    if (IsSet(Bit::TarnArmoury)) return;
    ClearMessages();
    if (Stage() == StoryStage::Begun) {
        Say(TextColour::Speech, {" 무기고지기가 앞을 막았다."_j,
                                 " 성주님의 허락 없이는 들어갈 수 없습니다."_j});
        return;
    }
    Say(TextColour::Speech, {" 무기고지기가 일행을 맞았다."_j,
                             " 성주님께서 채비를 해 드리라 하셨습니다."_j,
                             "몸에 맞는 것으로 챙겨 드리겠습니다."_j});
    for (int slot = 1; slot <= kLastPersonSlot; ++slot) {
        MemberRecord& m = Member[slot];
        if (m.Name.empty()) continue;
        if (m.Weapon == 0 && CanUseWeapon(slot, 1)) m.Weapon = 1;
        if (m.Armour == 0 && CanUseArmour(slot, 1)) m.Armour = 1;
        UpdateEquipment(slot);
    }
    SetBit(Bit::TarnArmoury);
    reward(" [ 단검 ] [ 가죽 갑옷 ]"_j);
}

void treasuryGuards() {
    if (IsSet(Bit::TarnTreasuryGuards)) return;
    ClearMessages();
    Say(TextColour::Scene, {" 보물 창고의 문 앞을 경비병들이 지키고"_j, "있다."_j});
    SetMenuItems("", {"경비병들과 싸운다"_j, "조용히 물러난다"_j});
    if (Select(100, 2, 2, false, true) != 1) {
        StepOffSquare();
        return;
    }
    ScriptedFight({kVaultGuard, kVaultGuard, kVaultGuard, kVaultGuard},
                  {" 성주님의 보물 창고에 손을 대려는 자는"_j, "누구든 용서하지 않는다!"_j},
                  " 경비병들은 모두 쓰러졌다."_j, Bit::TarnTreasuryGuards);
}

void findKey() {
    if (IsSet(Bit::TarnKeyFound)) return;
    ClearMessages();
    Say(TextColour::Scene, {" 무덤 뒤 풀숲에서 녹슨 열쇠 하나를 찾았다."_j,
                            "남문의 열쇠인 것 같다."_j});
    SetBit(Bit::TarnKeyFound);
}

// The gravekeeper lost the key of the south gate; he knows it when it is found.
void gravekeeper() {
    Say(TextColour::Speech, {" 여기는 타른의 묘지요. 옛 전쟁에서 쓰러진"_j,
                             "사람들이 잠들어 있소."_j,
                             " 저기 기사의 석상이 선 무덤이 보이오?"_j,
                             "메너스의 제단에서 쓰러진 영웅의 묘요."_j,
                             " 시신은 돌아오지 못했지만, 성주님께서"_j,
                             "손수 비석을 세우셨다오."_j});
    if (!IsSet(Bit::TarnKeyFound))
        Say(TextColour::Speech, {" 그런데 남문 열쇠를 어디에 흘렸는지 통"_j,
                                 "모르겠소. 무덤 뒤 풀숲 어딘가에 떨어졌을"_j,
                                 "것이오."_j});
    else if (!IsSet(Bit::TarnSouthGateOpen))
        Say(TextColour::Speech, {" 아, 그 열쇠! 내가 잃어버린 남문 열쇠요."_j,
                                 "남문의 경비병에게 보여 주시오."_j});
    else
        Say(TextColour::Speech, {" 열쇠를 찾아 주어 고맙소. 덕분에 남문이"_j,
                                 "다시 열렸구려."_j});
}

// The girl of 빛의 지붕 came up after the party found her, and this woman
// took her in; with 알니람 in the party she finds the one she waited for.
void girlOfTheDome() {
    if (InParty(Companion::Alnilam) && !IsSet(Bit::DomeGirlReunion)) {
        Say(TextColour::Speech, {" 어머, 그 옷은... 빛의 지붕의 경비대"_j,
                                 "옷이지요? 그 아이가 늘 말하던..."_j});
        WriteBlankLine();
        Say(TextColour::Scene, {" 집 안에서 작은 여자아이가 뛰어나왔다."_j,
                                "아이는 알니람을 보자마자 달려와 그의"_j,
                                "품에 안겼다. 알니람은 아이를 안은 채"_j,
                                "한참 동안 아무 말도 하지 못했다."_j});
        SetBit(Bit::DomeGirlReunion);
        return;
    }
    if (IsSet(Bit::DomeGirlReunion) || IsSet(Bit::Alnilam)) {
        Say(TextColour::Speech, {" 경비대장님을 만난 뒤로 그 아이가 다시"_j,
                                 "웃기 시작했어요. 정말 고마워요."_j});
        return;
    }
    Say(TextColour::Speech, {" 메너스 늪가에서 사냥꾼들이 여자아이"_j,
                             "하나를 데려왔어요. 땅 밑의 빛의 지붕에서"_j,
                             "올라왔대요. 지금은 제가 돌보고 있어요."_j,
                             " 그 아이가 경비대장 아저씨를 찾아요."_j,
                             "땅 밑에서 만나시거든 꼭 알려 주세요."_j});
}

void leaveTown() {
    if (AskLeave())
        ChangeMap(kOverworld, 20, 12);
    else
        StepOffSquare();
}

// A find written as a literal line, once.
void literalFind(Bit bit, std::string_view line, void (*give)()) {
    if (IsSet(bit)) return;
    ClearMessages();
    WriteMessage(TextColour::Scene, line);
    give();
    SetBit(bit);
}

const Recruit kAldebaran{"알데바란"_j, 0, kFighterFamily, 1, 17, 8, 10, 16, 10, 12, 13, 10, 6, 2, 1, 2,
                         {25, 20, 20, 10, 15, 10}};
const Recruit kPolaris{"폴라리스"_j, 1, kMageFamily, 1, 8, 17, 16, 10, 12, 11, 11, 11, 6, 0, 0, 1,
                       {25, 15, 15, 0, 20, 0}};
const Recruit kRigel{"리겔"_j, 0, kFighterFamily, 4, 13, 9, 12, 13, 9, 16, 17, 10, 6, 26, 0, 2,
                     {0, 15, 15, 40, 0, 20}};
const Recruit kSpica{"스피카"_j, 1, kMageFamily, 3, 9, 16, 16, 11, 13, 10, 10, 12, 6, 0, 0, 1,
                     {10, 10, 30, 5, 15, 10}};
const Recruit kMirak{"미라크"_j, 0, kFighterFamily, 4, 12, 9, 11, 12, 8, 18, 15, 15, 3, 15, 0, 1,
                     {0, 10, 15, 15, 0, 20}};

}  // namespace

const MapScript& TarnScript() {
    static const MapScript script{
        // special squares
        {
            {{{5, 47}, {5, 48}, {5, 49}, {51, 88}}, leaveTown},
            {{{38, 26}}, armoury},
            {{{65, 28}}, treasuryGuards},
            {{{78, 85}}, findKey},
            {{{90, 40}}, [] { literalFind(Bit::TarnVault1, " 당신은 금화 2000 개를 발견했다."_j, [] { AddGold(2000); }); }},
            {{{90, 41}}, [] { literalFind(Bit::TarnVault2, " 당신은 식량 100 인분을 발견했다."_j, [] { AddFood(100); }); }},
            {{{90, 42}}, [] { literalFind(Bit::TarnVault3, " 당신은 금화 1000 개를 발견했다."_j, [] { AddGold(1000); }); }},
            {{{90, 43}}, [] { literalFind(Bit::TarnVault4, " 당신은 금화 2500 개를 발견했다."_j, [] { AddGold(2500); }); }},
            {{{90, 44}}, [] { literalFind(Bit::TarnVault5, " 당신은 금화 5000 개를 발견했다."_j, [] { AddGold(5000); }); }},
            {{{82, 52}}, [] { FindGold(Bit::TarnStrongroom1, 5000); }},
            {{{84, 52}}, [] { FindGold(Bit::TarnStrongroom2, 5000); }},
            {{{89, 52}}, [] { FindGold(Bit::TarnStrongroom3, 5000); }},
            {{{91, 52}}, [] { FindGold(Bit::TarnStrongroom4, 5000); }},
        },
        // entrances: none
        {},
        // signs
        {
            {{{48, 41}}, Words{Said(TextColour::Writing, {"        타른 성"_j, "", "   베스페르 서쪽 땅의 수호자"_j, "   성주 헤베온의 성"_j})}},
            {{{54, 18}}, Words{Said(TextColour::Writing, {"          감옥"_j, "", "   허락 없이 들어오지 마시오."_j})}},
            {{{22, 21}}, Words{Said(TextColour::Writing, {"      타른 길드 회관"_j, "", "   군사 훈련소와 마법 학교"_j, "   계급을 바꾸려는 분도 환영"_j})}},
            {{{19, 41}}, Words{Said(TextColour::Writing, {"      주점 '붉은 별'"_j, "", "   흉성이 떠도 술은 달다!"_j})}},
            {{{73, 45}}, Words{Said(TextColour::Writing, {"         타른 은행"_j, "", "   금고는 밤낮으로 지켜집니다."_j})}},
            {{{85, 20}}, Words{Said(TextColour::Writing, {"          병원"_j, "", "   상처, 독, 기절, 죽음까지"_j, "   무엇이든 고쳐 드립니다."_j})}},
            {{{21, 69}}, Words{Said(TextColour::Writing, {"         무기 상점"_j, "", "   베고, 찍고, 찌르고, 쏘는 것"_j, "   방패와 갑옷도 있습니다."_j})}},
            {{{84, 60}}, Words{Said(TextColour::Writing, {"        식료품 상점"_j, "", "   먼 길에는 든든한 식량을!"_j})}},
            {{{29, 68}}, Words{Said(TextColour::Writing, {"   이 집은 비어 있습니다."_j, "", "   주인은 메너스 쪽으로 떠난 뒤"_j, "   돌아오지 않았습니다."_j, "   문을 두드리지 마십시오."_j})}},
        },
        // people
        {
            {{{21, 12}, {25, 13}}, Guild},
            {{{86, 12}, {87, 14}}, Hospital},
            {{{14, 73}, {8, 71}, {14, 69}}, ArmsShop},
            {{{87, 73}, {91, 65}, {94, 68}}, FoodShop},
            {{{24, 50}}, gateGuard},
            {{{24, 54}}, Words{
                 Said(TextColour::Speech, {" 저도 언젠가는 당신처럼 모험을 떠날 거예요."_j,
                                           " 싸워서 얻은 경험치는 북쪽 길드 회관에"_j,
                                           "가서 기술로 바꿔야 한대요. 군사 훈련소도"_j,
                                           "있고 마법 학교도 있어요."_j,
                                           " 라스트디치 성의 훈련장에서는 금을 내면"_j,
                                           "경험치를 쌓게 해 준다고 하고요."_j}),
             }},
            {{{19, 53}}, [] {
                 WriteMessage3(TextColour::Speech, TextColour::Emphasis, " 이 세계를 만든 것은 "_j, "벨라 제작진"_j, "이라고"_j);
                 Say(TextColour::Speech, {"들었소. 언젠가 그들을 만날 날이 올지도..."_j});
             }},
            {{{13, 55}}, [] {
                 Say(TextColour::Speech, {" 예언자들이 말하길, 흉성이 뜰 때 잊힌"_j,
                                          std::string("영웅의 "_j) + std::string(HeroChild()) +
                                              std::string("이 다시 검을 든다고 하더군요."_j)});
             }},
            {{{13, 27}, {18, 27}}, [] {
                 Say(TextColour::Speech,
                     {std::string(" 어서 오십시오, "_j) + std::string(sirOrLady()) + std::string(". '붉은 별'에"_j),
                      "오신 것을 환영합니다."_j,
                      " 소문이든 술이든 여기서 다 구할 수 있지요."_j,
                      " 먼 길을 함께 갈 사람을 찾으신다면 옛"_j,
                      "친구분들을 만나 보십시오. 폴라리스 아가씨는"_j,
                      "이 주점 안에 있고, 알데바란 나리는 병원"_j,
                      "맞은편 집에 삽니다. 리겔은 무기 상점 북쪽"_j,
                      "집에, 스피카는 은행 북쪽 광장에 있지요."_j});
             }},
            {{{21, 36}}, Words{Said(TextColour::Speech, {" 건배! 흉성이 떴든 말든 오늘은 마시는 거요!"_j})},
             kDemonsFallKnown, Words{Said(TextColour::Speech, {" 건배! 땅 밑의 악마 둘이 쓰러졌다지 않소!"_j,
                                                               "오늘 같은 날 안 마시면 언제 마시겠소!"_j})}},
            {{{18, 38}}, Words{
                 Said(TextColour::Speech, {" 내 동생이 메너스 근처 마을에 살았는데"_j,
                                           "지난달부터 소식이 없소. 혹시 그쪽으로 가면"_j,
                                           "소식 좀 알아봐 주시오."_j}),
             }, kDemonsFallKnown, Words{
                 Said(TextColour::Speech, {" 동생이 돌아왔소! 땅 밑에 끌려가 사슬에"_j,
                                           "묶여 있었는데, 몰록이 쓰러지던 날 사슬이"_j,
                                           "저절로 풀렸다는구려."_j,
                                           " 당신들 덕분이오. 오늘 술은 내가 사겠소."_j}),
             }},
            {{{15, 35}}, Words{
                 Said(TextColour::Speech, {" 라스트디치의 성주는 학자라오. 책에"_j,
                                           "파묻혀 산다고 들었소."_j,
                                           " 그 성 구석에는 말 한마디 안 하는 노인이"_j,
                                           "있다오. 레굴루스의 약초꾼도 뭔가 숨기는"_j,
                                           "게 있다는 소문이오. 독심으로 마음을"_j,
                                           "읽어 보면 알 수 있을지도 모르오."_j}),
             }},
            {{{13, 32}}, Words{
                 Said(TextColour::Speech, {" 옛 전쟁 이야기요? 다섯 동료가 있었어요."_j,
                                           " 레드 안타레스, 헤베온 성주님, 세리우스,"_j,
                                           "벨라트릭스, 그리고 제단에서 쓰러진 한 사람."_j,
                                           " 그 마지막 사람이 당신의 아버지라던데,"_j,
                                           "정말이에요?"_j}),
             }},
            {{{18, 33}}, Words{
                 Said(TextColour::Speech, {" 우리 할머니가 그러셨어요. 붉은 별이 뜨면"_j,
                                           "문을 꼭 잠그고 자라고요."_j,
                                           " 그런데 요즘은 문을 잠가도 무서워요."_j,
                                           " 밤마다 동쪽 하늘이 빨갛거든요."_j,
                                           " 아버지는 별것 아니라고 하시지만,"_j,
                                           "아버지도 밤에는 창밖을 자주 보세요."_j,
                                           " 당신이 그 별을 없애 주실 건가요?"_j,
                                           " 그러면 정말 좋겠어요."_j}),
             }, kDemonsFallKnown, Words{
                 Said(TextColour::Speech, {" 요즘은 밤하늘이 덜 빨개요. 정말이에요!"_j,
                                           " 아버지도 이제 창밖을 안 보세요."_j,
                                           " 당신이 그 별을 없애 주고 있는 거죠?"_j,
                                           " 고마워요!"_j}),
             }},
            {{{10, 30}}, Words{
                 Said(TextColour::Speech, {" 음... 으음... 한 잔만 더..."_j, " 쿨쿨..."_j}),
             }},
            {{{72, 78}}, gravekeeper},
            {{{67, 76}}, Words{
                 Header("묘비에 쓰여 있기를 ..."_j),
                 Said(TextColour::Epitaph, {"   여기 한 사람의 이름을 새긴다."_j,
                                            "   그는 칼을 들었으나 칼을 사랑하지 않았고"_j,
                                            "   싸움에 나섰으나 싸움을 미워하였다."_j,
                                            "",
                                            "   741년, 동쪽에서 어둠이 일어났을 때"_j,
                                            "   그는 네 벗과 함께 길을 떠났다."_j,
                                            "   레드 안타레스, 헤베온, 세리우스,"_j,
                                            "   그리고 벨라트릭스가 그의 곁에 있었다."_j,
                                            "",
                                            "   일곱 해 동안 그들은 싸웠다."_j,
                                            "   늪과 사막과 땅 밑의 어둠 속에서."_j}),
                 Page(),
                 Said(TextColour::Epitaph, {"   748년, 메너스의 검은 제단 앞에서"_j,
                                            "   에레보스가 마지막으로 문을 열려 할 때"_j,
                                            "   그는 벗들 앞에 홀로 나섰다."_j,
                                            "",
                                            "   레드 안타레스가 봉인의 주문을 외는 동안"_j,
                                            "   그는 문 앞을 지켰다."_j,
                                            "   주문이 끝났을 때 문은 닫혀 있었고"_j,
                                            "   그는 더 이상 그곳에 없었다."_j,
                                            "",
                                            "   그의 몸은 돌아오지 못하였으나"_j,
                                            "   그의 이름은 여기 돌아와 잠든다."_j,
                                            "   그의 어린 자식은 아버지를 기억하지"_j,
                                            "   못하리라."_j}),
                 Page(),
                 Said(TextColour::Epitaph, {"   그러나 이 땅은 기억하리라."_j,
                                            "   타른의 성벽이 서 있는 한,"_j,
                                            "   베스페르에 아침이 오는 한."_j,
                                            "",
                                            "   지나가는 이여, 잠시 걸음을 멈추라."_j,
                                            "   그리고 그대가 누리는 평화가"_j,
                                            "   누구의 것이었는지 생각하라."_j,
                                            "",
                                            "                  - 벗 헤베온이 세우다 -"_j,
                                            "",
                                            "                    748년 겨울"_j}),
             }},
            {{{50, 11}}, Words{Said(TextColour::Speech, {" 여기는 감옥입니다. 죄수와 말을 섞지"_j, "마십시오."_j})}},
            {{{53, 11}}, Words{
                 Said(TextColour::Speech, {" 이보시오, 거기! 난 억울하오!"_j,
                                           " 은행 금고를 구경만 했을 뿐이오."_j,
                                           "경비병들이 떼로 몰려오더니 이렇게 됐소."_j,
                                           " 당신도 금고 근처에는 얼씬도 하지 마시오."_j}),
             }},
            {{{41, 10}}, [] {
                 fullPage(TextColour::Speech, {" 나는 옛 전쟁에서 헤베온 님을 모시던"_j,
                                               "기사였소. 이야기를 들어 보겠소?"_j,
                                               " 741년 봄, 동쪽 마을들이 하룻밤 사이에"_j,
                                               "잿더미가 되었소. 살아남은 사람들은"_j,
                                               "하늘에서 붉은 빛이 내려왔다고 했소."_j,
                                               " 그것이 에레보스의 첫 번째 문이었소."_j,
                                               " 레드 안타레스 님과 네 벗이 길을 떠났고,"_j,
                                               "우리 기사단이 그 뒤를 따랐소."_j,
                                               " 첫해에는 늘 졌소. 마귀들은 죽여도"_j,
                                               "다시 일어났고, 밤마다 동료가 사라졌소."_j,
                                               " 그러다 세리우스 님이 피라미드의 옛 글을"_j,
                                               "읽어 내셨소. 문을 닫는 법이 거기 있었소."_j,
                                               " 그 뒤로 여섯 해 동안 우리는 문을 하나씩"_j,
                                               "닫아 나갔소. 마지막 문이 메너스였소."_j,
                                               " 그날 일은 지금도 꿈에 나오오."_j});
                 NextPage();
                 fullPage(TextColour::Speech, {" 제단 앞에서 땅이 갈라지고, 그 틈으로"_j,
                                               "끝도 없는 어둠이 쏟아져 나왔소."_j,
                                               " 기사단의 절반이 그 자리에서 쓰러졌소."_j,
                                               " 레드 안타레스 님이 주문을 외기 시작했고,"_j,
                                               "당신의 아버지가 그 앞을 막아섰소."_j,
                                               " 벨라트릭스 님은... 그날 이후 아무도"_j,
                                               "그분을 보지 못했소. 도망쳤다는 사람도"_j,
                                               "있고, 어둠에 삼켜졌다는 사람도 있소."_j,
                                               " 주문이 끝났을 때 문은 닫혀 있었고,"_j,
                                               "레드 안타레스 님은 목소리만 남으셨소."_j,
                                               " 우리는 그것을 승리라고 불렀소."_j,
                                               " 하지만 봉인은 절반뿐이었다고, 그분은"_j,
                                               "늘 말씀하셨소. 언젠가 다시 열린다고."_j,
                                               " 이제 그 말이 맞았던 것 같소."_j,
                                               " 부디 당신은 아버지보다 운이 좋기를."_j});
             }},
            {{{40, 15}}, [] {
                 Say(TextColour::Speech, {" 킬킬킬... 모험을 떠난다고? 재미있겠는걸."_j,
                                          " 나도 데려가 줘. 쓸모가 있을 거야. 킬킬."_j});
                 OfferCompanion(kGoblinTrickster, Bit::Goblin,
                                {" 이미 데리고 다니는 녀석이 있잖아? 킬킬,"_j, "그럼 다음에 보자고."_j});
             }},
            {{{63, 10}}, [] {
                 Say(TextColour::Speech, {" 쉿, 조용히. 난 미라크라고 하오."_j,
                                          " 자물쇠 따는 솜씨라면 누구에게도 지지 않소."_j,
                                          "이 감옥에서 꺼내 주면 당신을 돕겠소."_j});
                 OfferToJoin(kMirak, Bit::Mirak);
             }},
            {{{60, 15}}, Words{
                 Said(TextColour::Speech, {" 이 앞방은 금고로 이어지는 통로입니다."_j,
                                           " 경비병들은 낯선 사람을 보면 묻지도 않고"_j,
                                           "칼부터 뽑습니다. 괜한 일로 목숨을 걸지"_j,
                                           "마십시오."_j,
                                           " 금고에 들어간 도둑치고 살아 나온 자가"_j,
                                           "없습니다."_j}),
             }},
            {{{42, 78}, {42, 80}}, rulersOrdersGuard},
            {{{79, 47}}, Words{Said(TextColour::Speech, {" 타른 은행입니다. 요즘은 예금을 받지"_j, "않습니다. 흉성 때문에 다들 금을 찾아가서요."_j})}},
            {{{79, 49}}, Words{
                 Said(TextColour::Speech, {" 요즘 금값이 많이 올랐어요."_j,
                                           "다들 흉성 때문에 금을 쌓아 두려고 해서요."_j}),
             }, kDemonsFallKnown, Words{
                 Said(TextColour::Speech, {" 금값이 조금 내렸어요. 악마들이"_j,
                                           "쓰러졌다는 소식에 다들 한숨 돌렸나 봐요."_j}),
             }},
            {{{85, 48}}, Words{
                 Said(TextColour::Speech, {" 제가 이 은행의 책임자입니다."_j,
                                           " 금고는 성주님의 경비병들이 지키고 있으니"_j,
                                           "절대로 가까이 가지 마십시오."_j}),
             }},
            {{{90, 47}}, bankVault},
            {{{89, 23}}, [] {
                 Say(TextColour::Speech, {" 오랜만이군. 나 알데바란일세."_j,
                                          " 자네가 흉성을 쫓는다는 소문을 들었네."_j,
                                          "내 검도 아직 녹슬지 않았다네."_j});
                 OfferToJoin(kAldebaran, Bit::Aldebaran);
             }},
            {{{21, 33}}, [] {
                 Say(TextColour::Speech, {" 폴라리스예요. 기억하시죠?"_j,
                                          " 주점에서 마법 구경만 시키기도 지겨워요."_j,
                                          "저도 함께 가게 해 주세요."_j});
                 OfferToJoin(kPolaris, Bit::Polaris);
             }},
            {{{9, 64}}, [] {
                 Say(TextColour::Speech, {" 리겔이오. 활이라면 내게 맡기시오."_j,
                                          " 멀리서 쏘는 화살 하나가 때로는 검 열보다"_j,
                                          "낫다는 걸 보여 주겠소."_j});
                 OfferToJoin(kRigel, Bit::Rigel);
             }},
            {{{88, 38}}, [] {
                 Say(TextColour::Speech, {" 스피카예요. 다친 사람을 돌보는 게 제"_j,
                                          "일이지요. 먼 길에는 치료사가 필요해요."_j});
                 OfferToJoin(kSpica, Bit::Spica);
             }},
            {{{51, 87}}, southGate},
            {{{85, 55}}, Words{
                 Said(TextColour::Speech, {" 밤이 되면 횃불 없이는 한 치 앞도 안"_j,
                                           "보이니 대형 횃불을 챙기시오. 횃불은 동쪽"_j,
                                           "라스트디치 성의 잡화점에서 판다오."_j}),
             }},
            {{{72, 73}}, Words{
                 Said(TextColour::Speech, {" 묘지 쪽은 밤에 가지 마세요."_j,
                                           "요즘 이상한 소리가 들린대요."_j}),
             }, kDemonsFallKnown, Words{
                 Said(TextColour::Speech, {" 묘지에서 들리던 이상한 소리가 요즘은"_j,
                                           "뚝 그쳤대요."_j}),
             }},
            {{{51, 14}}, Words{
                 Said(TextColour::Speech, {" 남편을 면회하러 왔어요."_j,
                                           " 그 사람, 정말로 금고를 구경만 했대요."_j,
                                           "믿을 수가 있어야지..."_j}),
             }},
            {{{91, 81}}, Words{
                 Said(TextColour::Speech, {" 이 길은 묘지와 남문으로 이어져요."_j,
                                           "남문은 요즘 잠겨 있지만요."_j}),
             }},
            {{{58, 74}}, Words{
                 Said(TextColour::Speech, {" 지하 세계라는 게 정말 있을까요?"_j,
                                           " 우리 발밑에 또 다른 세상이 있다니,"_j,
                                           "생각만 해도 소름이 끼쳐요."_j,
                                           " 그래도 누군가는 가 봐야겠지요."_j}),
             }, kDemonsFallKnown, Words{
                 Said(TextColour::Speech, {" 정말로 땅 밑에 세상이 있었다니!"_j,
                                           " 거기서 악마를 둘이나 물리치셨다면서요?"_j,
                                           "저는 생각만 해도 다리가 떨려요."_j}),
             }},
            {{{33, 80}}, Words{Said(TextColour::Speech, {" 밭일이 끝나면 별을 보는 게 낙이었는데,"_j, "요즘은 하늘 보기가 무섭구려."_j})},
             kDemonsFallKnown, Words{Said(TextColour::Speech, {" 흉성이 요즘 좀 흐려진 것 같구려."_j,
                                                               "다시 별 보는 낙이 생기려나."_j})}},
            {{{90, 59}}, [] {
                 if (IsSet(Bit::TarnFoodGift) && IsSet(Bit::DomeSurvivor) && Stage() >= StoryStage::FirstDescentDone) {
                     girlOfTheDome();
                     return;
                 }
                 if (IsSet(Bit::TarnFoodGift)) {
                     Say(TextColour::Speech, {" 먼 길 조심히 다녀오세요."_j});
                     return;
                 }
                 Say(TextColour::Speech, {" 먼 길을 떠나신다고요? 변변찮지만"_j,
                                          "이거라도 가져가세요."_j});
                 AddFood(20);
                 WriteBlankLine();
                 WriteMessage(TextColour::Reward, " 당신은 그녀에게 약간의 식량을 받았다."_j);
                 SetBit(Bit::TarnFoodGift);
             }},
            {{{63, 27}}, Words{
                 Said(TextColour::Speech, {" 알데바란 경은 동쪽 숙소에, 스피카는"_j,
                                           "그 남쪽 광장에 있소."_j,
                                           " 옛 동료들을 찾아가 보시오."_j}),
             }},
            {{{51, 72}}, Words{
                 Said(TextColour::Speech, {" 폴라리스는 주점에서 마법 묘기를 부리고,"_j,
                                           "리겔은 무기 상점 근처에 산다오."_j}),
             }},
            {{{50, 51}}, Words{
                 Said(TextColour::Speech, {" 라스트디치에도 옛 동료가 한 사람 있지요."_j,
                                           " 카스토르라는 검사인데, 성주 곁에서"_j,
                                           "일한다고 들었어요."_j}),
             }},
            {{{52, 51}}, [] {
                 if (Stage() == StoryStage::Begun)
                     Say(TextColour::Speech, {" 성주님을 뵈러 가는 길이구려. 빛이 당신과"_j,
                                              "함께하기를."_j});
                 else
                     Say(TextColour::Speech, {" 당신의 여정에 행운이 있기를."_j});
             }},
            {{{51, 28}}, ruler},
        },
    };
    return script;
}

}  // namespace vela
