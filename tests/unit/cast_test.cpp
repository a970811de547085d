// The cast to the end, on the built maps: the companions' words at the last
// descent, in the ruins of 타른 and at the final choice; 레드 안타레스's
// voice at each way down; the townsfolk who hear of the demons' fall; the
// hooks that close; 몰록's shadow and the hero's answer in the ending.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/battle/enemy_group.h"
#include "game/events/companions.h"
#include "game/events/event_dispatch.h"
#include "game/events/primitives.h"
#include "game/events/regulus_appointment.h"
#include "game/state/party.h"
#include "game/ui/messages.h"
#include "game/world/map_data.h"
#include "runtime/halt.h"
#include "screen/johab.h"
#include "screen/text_output.h"
#include "world_fixture.h"

namespace vela {
namespace {

using test::World;

// Every text drawn, with its colour, kept beside the world's own lines.
struct Coloured {
    std::vector<std::pair<int, std::string>> drawn;
    explicit Coloured(World& w) {
        SetTextObserver([this, &w](int, int, int colour, std::string_view johab) {
            drawn.emplace_back(colour, JohabToUtf8(johab));
            w.lines.push_back(JohabToUtf8(johab));
        });
    }
    // The colour the first text holding the words was drawn in, or -1.
    int colourOf(const std::string& words) const {
        for (const auto& [colour, text] : drawn)
            if (text.find(words) != std::string::npos) return colour;
        return -1;
    }
};

constexpr int kVoice = int(TextColour::Voice);

TEST(CompanionWords, OnlyACompanionInThePartyAndAwakeSpeaks) {
    World w;
    World::AddMember(1, "알니람", kFighterFamily, 1, 1);  // the hero may bear any name
    World::AddMember(2, "알데바란", kFighterFamily, 1, 5);
    World::AddMember(3, "베가", kMageFamily, 1, 5);
    Member[3].Dead = 1;
    World::AddMember(4, "리겔", kFighterFamily, 1, 5);
    Member[4].Unconscious = 3;
    World::AddMember(kCompanionSlot, "고블린 주술사", kFighterFamily, 1, 3);
    EXPECT_TRUE(InParty(Companion::Aldebaran));
    EXPECT_FALSE(InParty(Companion::Alnilam));
    EXPECT_FALSE(InParty(Companion::Vega));
    EXPECT_FALSE(InParty(Companion::Rigel));

    EXPECT_TRUE(CompanionsSpeak(CompanionMoment::FinalChoice, {" 앞말"_j}));
    EXPECT_TRUE(w.Said("앞말"));
    EXPECT_TRUE(w.Said("자네 아버지도 같은 길을 갔네."));
    EXPECT_TRUE(w.Said("잊히는 건 싫은데")) << "the goblin speaks from the companion's slot";
    EXPECT_FALSE(w.Said("우리 힘을")) << "a dead 베가 is silent";
    EXPECT_FALSE(w.Said("내 화살은")) << "an unconscious 리겔 is silent";
    EXPECT_FALSE(w.Said("사원의 글이")) << "the hero's name is not 알니람's";

    // A dismissed member leaves his name's bytes behind, not his voice.
    Member[2].Name.Length = 0;
    Member[kCompanionSlot].Name.Length = 0;
    w.Forget();
    EXPECT_FALSE(CompanionsSpeak(CompanionMoment::FinalChoice, {" 앞말"_j}));
    EXPECT_TRUE(w.lines.empty()) << "no lead without a speaker";
}

// Every recruit joins through his own scene; then each speaks at every
// moment in exactly two message lines, and five speakers with the longest
// lead a scene gives them still fit one page.
TEST(CompanionWords, EveryRecruitSpeaksInTwoLinesAndAFullPartyFitsAPage) {
    struct Join {
        MapId map;
        int x, y;
        const char* keys;
    };
    const std::vector<std::vector<Join>> rounds = {
        {{kTarn, 89, 23, "{enter}"}, {kTarn, 21, 33, "{enter}"}, {kTarn, 9, 64, "{enter}"},
         {kTarn, 88, 38, "{enter}"}, {kTarn, 40, 15, "{enter}"}},
        {{kTarn, 63, 10, "{enter}"}, {kLastDitch, 41, 18, "{enter}"}, {kLastDitch, 54, 56, "{enter*4}"},
         {kRegulus, kHerbalistX, kHerbalistY, "{enter}"}},
        {{kUnderworld1, 88, 20, "{enter}{enter}"}},
    };
    int spoken = 0;
    for (const auto& round : rounds) {
        World w;
        Party.Flags[FlagMindReading] = 5;
        SetBit(Bit::VegaGift);
        SetBit(Bit::Underworld1Fight4);
        for (const Join& j : round) {
            w.Enter(j.map, j.x, j.y + 1);
            if (j.map == kUnderworld1) {
                w.OnSquare(j.x, j.y, j.keys);
            } else {
                if (j.map == kRegulus) SetMapTile(j.x, j.y, 49);
                w.TalkFrom(j.x, j.y + 1, 0, -1, j.keys);
            }
        }
        int speakers = 0;
        for (int who = 0; who < int(Companion::Count); ++who) speakers += InParty(Companion(who));
        EXPECT_EQ(speakers, int(round.size()));
        for (CompanionMoment moment : {CompanionMoment::LastDescent, CompanionMoment::Ruins,
                                       CompanionMoment::FinalChoice}) {
            ClearMessages();
            CompanionsSpeak(moment, {" 첫째 줄"_j, "둘째 줄"_j, ""});
            EXPECT_EQ(TextCursor.y, kMessageStartY + 16 * (3 + 2 * speakers)) << "a line ran over";
            EXPECT_LE(TextCursor.y, kMessageStartY + 16 * 14) << "past the page";
        }
        spoken += speakers;
    }
    EXPECT_EQ(spoken, int(Companion::Count));
}

TEST(AltarVoice, RedAntaresSpeaksAtEveryWayDownAndTheCompanionsAtTheLast) {
    struct Way {
        StoryStage stage;
        const char* words;
        MapId below;
    };
    for (Way way : {Way{StoryStage::FirstWayOpen, "봉인에 남은 목소리요.", kUnderworld1},
                    Way{StoryStage::SecondWayOpen, "그대 아버지도 이 제단 앞에서", kUnderworld1},
                    Way{StoryStage::LastWayOpen, "그 이야기는 지상에서 하리다.", kUnderworld2}}) {
        World w;
        World::AddMember(2, "벨라트릭스", kFighterFamily, 1, 5);
        Coloured seen(w);
        w.Enter(kMenace, 9, 44);
        test::SetStage(way.stage);
        bool last = way.stage == StoryStage::LastWayOpen;
        w.OnSquare(25, 43, last ? "{enter}{enter}" : "{enter}");
        EXPECT_EQ(seen.colourOf(way.words), kVoice) << int(way.stage);
        EXPECT_EQ(Party.MapNumber, way.below) << int(way.stage);
        EXPECT_EQ(seen.colourOf("이번에는 끝까지 가겠소."), last ? int(TextColour::Speech) : -1) << int(way.stage);
    }
    // One who met him in the pyramid is greeted as met before.
    World w;
    Coloured seen(w);
    SetBit(Bit::PyramidReunion);
    w.Enter(kMenace, 9, 44);
    test::SetStage(StoryStage::FirstWayOpen);
    w.OnSquare(25, 43, "{enter}");
    EXPECT_EQ(seen.colourOf("또 만났구려."), kVoice);
    EXPECT_EQ(seen.colourOf("나는 레드"), -1);
}

TEST(FinalChoice, TheCompanionsSpeakAndBellatrixKeepsHisVow) {
    World w;
    World::AddMember(2, "벨라트릭스", kFighterFamily, 1, 5);
    Coloured seen(w);
    w.Enter(kOverworld, 20, 12);
    test::SetStage(StoryStage::MephistoSlain);
    // In, the ruins, the companions there, the spirit's three pages, the
    // companions at the choice, the first answer, and the ending's keys.
    EXPECT_THROW(w.EnterFrom(20, 12, 0, -1, "{enter*7}{enter}{enter*4}"), ProgramHalt);
    EXPECT_TRUE(w.Said("성주 헤베온을"));
    EXPECT_TRUE(w.Said("헤베온, 자네에게 끝내 용서를"));
    EXPECT_TRUE(w.Said("헤베온도, 세리우스도 그 숨결에 먼저 갔소."));
    EXPECT_TRUE(w.Said("자네가 닫는 동안 문 앞은 내가 지키리다."));
    EXPECT_TRUE(w.Said("동료들이 당신의 대답을 기다렸다."));
    // 에레보스 asks; the hero answers and closes the gate.
    EXPECT_EQ(seen.colourOf("그래도 하겠느냐?"), int(TextColour::DarkWords));
    EXPECT_EQ(seen.colourOf("그렇다면 함께 무로 돌아가자!"), int(TextColour::HeroWords));
    EXPECT_EQ(seen.colourOf("닫혀라, 세계의 틈이여."), int(TextColour::HeroWords));
}

TEST(MolochsMirror, TheDoubleIsTheMembersShadowWithinAFoesSixteenBytes) {
    struct Case {
        const char* member;
        const char* shadow;
    };
    for (Case c : {Case{"리겔", "리겔의 그림자"}, Case{"abcdefg", "abcdefg의 그림자"},
                   Case{"abcdefgh", "그림자"}, Case{"벨라트릭스", "그림자"}}) {
        World w;
        World::AddMember(1, c.member, kFighterFamily, 1, 1);
        w.Enter(kMoloch, 28, 43);
        w.Keys("{enter*60}");
        EXPECT_ANY_THROW(w.OnSquare(28, 9)) << "a lone beginner falls to his shadow";
        EXPECT_EQ(JohabToUtf8(Enemy[3].Name.str()), c.shadow) << c.member;
    }
}

TEST(TempleSword, IsCalledWhatItIsAndTheNamesStandBelowTheWords) {
    World w;
    int wordsY = -1, nameY = -1;
    SetTextObserver([&](int, int y, int, std::string_view johab) {
        std::string text = JohabToUtf8(johab);
        if (text.find("물러서지 말라.") != std::string::npos) wordsY = y;
        if (text == "레온" && nameY < 0) nameY = y;
        w.lines.push_back(text);
    });
    w.Enter(kTemple, 20, 41);
    w.OnSquare(20, 8, "{enter}");
    EXPECT_TRUE(w.Said("제단 앞에 프렘버그 한 자루가"));
    EXPECT_TRUE(w.Said("프렘버그를 손에 쥐었다."));
    EXPECT_GT(nameY, wordsY + 16) << "the list of names leaves the words and the question readable";
}

TEST(Townsfolk, HearOfTheDemonsFallOnceTheRulerHasTheReport) {
    World w;
    w.Enter(kTarn, 18, 39);
    test::SetStage(StoryStage::SecondDescentDone);
    w.TalkFrom(18, 39, 0, -1);
    EXPECT_TRUE(w.Said("소식 좀 알아봐 주시오."));
    EXPECT_FALSE(w.Said("동생이 돌아왔소!"));
    test::SetStage(kDemonsFallKnown);
    w.Forget();
    w.TalkFrom(18, 39, 0, -1);
    EXPECT_TRUE(w.Said("동생이 돌아왔소!")) << "the tavern man's brother comes home";
    w.Enter(kLastDitch, 56, 60);
    w.TalkFrom(56, 60, 0, -1);
    EXPECT_TRUE(w.Said("흉성의 빛이 약해지고 있소."));
}

TEST(GirlOfTheDome, ComesUpToTarnAndMeetsAlnilamOnce) {
    World w;
    SetBit(Bit::TarnFoodGift);
    SetBit(Bit::DomeSurvivor);
    w.Enter(kTarn, 90, 60);
    test::SetStage(StoryStage::FirstDescentDone);
    w.TalkFrom(90, 60, 0, -1);
    EXPECT_TRUE(w.Said("지금은 제가 돌보고 있어요."));
    World::AddMember(2, "알니람", kFighterFamily, 2, 9);
    w.Forget();
    w.TalkFrom(90, 60, 0, -1);
    EXPECT_TRUE(w.Said("아이는 알니람을 보자마자"));
    EXPECT_TRUE(IsSet(Bit::DomeGirlReunion));
    w.Forget();
    w.TalkFrom(90, 60, 0, -1);
    EXPECT_TRUE(w.Said("다시"));
    EXPECT_FALSE(w.Said("보자마자")) << "they meet once";
}

TEST(LastDitchLord, HearsRedAntaresMessageOnceAndGoesOn) {
    World w;
    w.Enter(kLastDitch, 38, 63);
    test::SetStage(StoryStage::SentToLastDitch);
    SetBit(Bit::PyramidReunion);
    w.TalkFrom(38, 18, 0, -1, "{enter*2}");
    EXPECT_TRUE(w.Said("레드 안타레스 님을 만났단 말이오?"));
    EXPECT_TRUE(w.Said("남쪽 사막의 피라미드로 가시오.")) << "and his task follows";
    w.Forget();
    w.TalkFrom(38, 18, 0, -1);
    EXPECT_FALSE(w.Said("레드 안타레스 님을 만났단 말이오?"));
}

TEST(Gravekeeper, KnowsHisLostKeyWhenItIsFound) {
    World w;
    w.Enter(kTarn, 72, 79);
    w.TalkFrom(72, 79, 0, -1);
    EXPECT_TRUE(w.Said("남문 열쇠를 어디에 흘렸는지"));
    SetBit(Bit::TarnKeyFound);
    w.TalkFrom(72, 79, 0, -1);
    EXPECT_TRUE(w.Said("내가 잃어버린 남문 열쇠요."));
    SetBit(Bit::TarnSouthGateOpen);
    w.TalkFrom(72, 79, 0, -1);
    EXPECT_TRUE(w.Said("열쇠를 찾아 주어 고맙소."));
}

}  // namespace
}  // namespace vela
