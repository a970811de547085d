// The title's menu and hero creation: the keys that skip the prophecy, the
// syllables the jamo keyboard composes, delete over mixed text, the
// questionnaire's scoring, the free points and the class choice, driven by
// scripted keys.
#include <gtest/gtest.h>

#include "game/state/party.h"
#include "game/state/rules.h"
#include "game/title/creation.h"
#include "game/title/title_sequence.h"
#include "game/world/map_data.h"
#include "runtime/key_queue.h"
#include "screen/johab.h"
#include "screen/text_output.h"
#include "session.h"

namespace vela {
namespace {

// Every text drawn, as "x y colour text" in UTF-8, one per line.
struct PlacedText {
    std::string text;
    PlacedText() {
        SetTextObserver([this](int x, int y, int colour, std::string_view s) {
            text += std::to_string(x) + " " + std::to_string(y) + " " + std::to_string(colour) + " " +
                    JohabToUtf8(s) + "\n";
        });
    }
    bool has(const std::string& line) const { return text.find(line + "\n") != std::string::npos; }
};

TEST(Title, ASkippingEnterSpaceOrEscOnlyEndsTheProphecyAndADigitChooses) {
    // The prophecy alone runs 35 lines of 16 steps of 75 ms; ended at once,
    // the whole title takes far less. Had the skipping key chosen, creation
    // would start and wait for keys the script does not have.
    // Keys already waiting when the prophecy starts are taken together.
    for (const char* skip : {"{enter}", "{space}", "{esc}", "queued", ""}) {
        test::Session s;
        RestorePending = 1;
        if (skip == std::string("queued")) {
            for (uint8_t key : {kKeyEnter, kKeyEsc, kKeySpace, kKeyEnter}) PushKey(key);
            skip = "";
        }
        s.platform.AppendKeys(std::string(skip) + "2");
        EXPECT_NO_THROW(ShowTitleSequence(false)) << skip;
        EXPECT_EQ(RestorePending, 1) << skip;
        EXPECT_LT(s.platform.sleptMs, 5000u) << skip;
        EXPECT_TRUE(s.platform.ScriptDone()) << skip;
    }
}

TEST(NameEntry, KeyboardColumnsComposeJohabSyllables) {
    EXPECT_EQ(JohabSyllable(1, 1, 1), "\x88\x61");          // ㄱ ㅏ, no final: 가
    EXPECT_EQ(JohabSyllable(1, 1, 1), std::string("가"_j));
    EXPECT_EQ(JohabSyllable(6, 8, 1), std::string("레"_j));   // ㄹ ㅔ
    EXPECT_EQ(JohabSyllable(12, 11, 5), std::string("온"_j));  // ㅇ ㅗ ㄴ
    EXPECT_EQ(JohabSyllable(19, 27, 29), std::string("힣"_j));
}

TEST(NameEntry, DeleteRemovesWholeSyllablesAndSingleLetters) {
    std::string name = std::string("가"_j) + "a";
    DeleteLastCharacter(name);
    EXPECT_EQ(name, std::string("가"_j));
    DeleteLastCharacter(name);
    EXPECT_EQ(name, "");
    DeleteLastCharacter(name);
    EXPECT_EQ(name, "");
    name = "a" + std::string("가"_j) + "b" + std::string("나"_j);
    DeleteLastCharacter(name);
    EXPECT_EQ(name, "a" + std::string("가"_j) + "b");
}

TEST(NameEntry, AFullNameEndsBothModesAtOnceAndDoneNeedsAName) {
    test::Session s;
    test::Transcript transcript;
    // Done on the empty name is ignored. Enter three times makes 가, and
    // then 각, as the final row starts one cell on after a syllable without
    // one. Eight syllables fill the 16 bytes: Hangul and English return at
    // once; delete takes one syllable back and z fits in its place.
    s.platform.AppendKeys("{right*3}{enter}{left*3}");
    for (int k = 0; k < 8; ++k) s.platform.AppendKeys("{enter}{enter}{enter}");
    s.platform.AppendKeys("{enter}{right}{enter}{right}{enter}");
    s.platform.AppendKeys("{left}{enter}{down*2}{right*25}{enter}{esc}{right*2}{enter}");
    EnterName();
    std::string name = "가"_j;
    for (int k = 0; k < 6; ++k) name += "각"_j;
    EXPECT_EQ(JohabToUtf8(Member[1].Name.str()), JohabToUtf8(name + "z"));
    EXPECT_TRUE(s.platform.ScriptDone());
    EXPECT_TRUE(transcript.has("이름이 비어 있어 완료할 수 없습니다."));
}

TEST(NameEntry, TheCursorPassesOverCellsThatShowNothingAndTheSyllableGrowsAfterTheName) {
    test::Session s;
    PlacedText placed;
    // ㄱ; five steps right over the blank vowel cells of codes 8 and 9 reach
    // ㅔ; sixteen along the finals reach ㅁ: 겜. Left from ㅔ passes them back
    // to ㅓ, and right from ㅁ passes the unused final 18 to ㅂ: 겁; left again
    // is ㅁ: 검. Esc on the finals leaves none (거) and the final row, due to
    // start on the unused cell, starts on ㅂ: 겁.
    s.platform.AppendKeys("{enter}{enter}{right*5}{enter}{right*16}{enter}");
    s.platform.AppendKeys("{enter}{left}{enter}{right}{enter}");
    s.platform.AppendKeys("{enter}{enter}{left}{enter}");
    s.platform.AppendKeys("{enter}{enter}{esc}");
    s.platform.AppendKeys("{enter}{enter}{enter}{esc}{right*3}{enter}");
    EnterName();
    EXPECT_EQ(JohabToUtf8(Member[1].Name.str()), "겜겁검거겁");
    EXPECT_TRUE(s.platform.ScriptDone());
    // The initial alone, whole, then the syllable under the cursor, after
    // the name so far; from ㅓ the next shown is ㅔ.
    EXPECT_TRUE(placed.has("120 430 15 ㄱ"));
    EXPECT_TRUE(placed.has("120 430 15 거\n120 430 15 게"));
    EXPECT_TRUE(placed.has("120 430 15 겜"));
    EXPECT_TRUE(placed.has("136 430 15 거"));
}

TEST(Questionnaire, AnswersSetFiveAttributesWithSwapAndSexBonus) {
    // Strength answered six times: 20, and a man's bonus flows into
    // Endurance; Mentality (5, the lowest) stays where a fighter keeps it.
    auto v = QuestionnaireAttributes({1, 1, 1, 1, 1, 1, 3, 3, 2, 2}, 0, kFighterFamily);
    EXPECT_EQ(v, (std::array<uint8_t, 5>{20, 5, 5, 18, 7}));
    // A mage's lowest value changes places with Strength; a woman's bonus
    // goes to Mentality, overflowing into Concentration.
    v = QuestionnaireAttributes({2, 2, 2, 3, 3, 3, 1, 1, 1, 1}, 1, kMageFamily);
    EXPECT_EQ(v, (std::array<uint8_t, 5>{5, 20, 11, 7, 11}));
    // The overflow stops at Concentration's cap too.
    v = QuestionnaireAttributes({2, 2, 2, 2, 2, 2, 2, 1, 1, 1}, 1, kMageFamily);
    EXPECT_EQ(v, (std::array<uint8_t, 5>{5, 20, 20, 7, 5}));
    // A fighter's lowest value changes places with Mentality.
    v = QuestionnaireAttributes({2, 2, 2, 2, 2, 2, 1, 1, 1, 1}, 1, kFighterFamily);
    EXPECT_EQ(v, (std::array<uint8_t, 5>{20, 9, 14, 7, 5}));
    // The preset-like hero of the scenarios.
    v = QuestionnaireAttributes({1, 1, 2, 2, 2, 2, 1, 3, 2, 2}, 0, kFighterFamily);
    EXPECT_EQ(v, (std::array<uint8_t, 5>{15, 7, 11, 14, 11}));
}

TEST(DistributePoints, EnterIsRefusedWhilePointsRemainAndValuesStopAtTwenty) {
    test::Session s;
    s.platform.AppendKeys("{enter}{left}{right*25}{enter}{down}{right*25}{up}{up}{left}{down*5}{enter}");
    s.platform.AppendKeys("{up*2}{right}{enter}");
    DistributePoints();
    EXPECT_EQ(Member[1].Agility, 20);
    EXPECT_EQ(Member[1].Accuracy, 20);
    EXPECT_EQ(Member[1].Luck, 0);
    EXPECT_TRUE(s.platform.ScriptDone());
}

TEST(ChooseSkillsAndClass, QualificationFollowsTheSkillsAsTheyMove) {
    test::Session s;
    Member[1].Family = kFighterFamily;
    // All skills at 10: only class 1, so 3 is ignored. Moving the 30 points
    // of skills 2..4 into skill 1 makes a 검사 (class 3), and class 1 is
    // then refused.
    s.platform.AppendKeys("3{down}{left*10}{down}{left*10}{down}{left*10}{up*3}{right*30}13");
    ChooseSkillsAndClass();
    EXPECT_EQ(Member[1].Class, 3);
    EXPECT_EQ(Member[1].Skills[1], 40);
    EXPECT_FALSE(ClassQualifies(1, 1));
    EXPECT_TRUE(s.platform.ScriptDone());
}

TEST(ChooseSkillsAndClass, TheNumberOfAClassNotYetOpenShowsWhatItNeeds) {
    test::Session s;
    PlacedText shown;
    Member[1].Family = kFighterFamily;
    // 검사 (3) needs 40 of skill 1: pressing 3 shows it, lacking, and the
    // need turns grey once the points are moved there.
    s.platform.AppendKeys("3{down}{left*10}{down}{left*10}{down}{left*10}{up*3}{right*30}3");
    ChooseSkillsAndClass();
    EXPECT_EQ(Member[1].Class, 3);
    EXPECT_TRUE(shown.has("300 300 11 검사가 되려면"));
    EXPECT_TRUE(shown.has("476 320 14 40 이상"));
    EXPECT_TRUE(shown.has("476 320 7 40 이상"));
}

TEST(ChooseSkillsAndClass, ValuesThePointsLeftAndWhatTheHighlightedClassNeedsAreShown) {
    test::Session s;
    PlacedText shown;
    Member[1].Family = kFighterFamily;
    // Skill 1 down to 5: its value follows the bar's end (250 + 5 * 5 + 8),
    // in the current row's colour, and 5 points are left. In the list,
    // 기사 needs 10 of skill 1 (lacking), 10 of 2 and 5 of 3 (enough), 20
    // of skill 5 (lacking); 검사 needs 40 of skill 1.
    s.platform.AppendKeys("{left*5}{down}{enter}{down}{down}{esc}{up}{right*5}1");
    ChooseSkillsAndClass();
    EXPECT_EQ(Member[1].Class, 1);
    EXPECT_TRUE(shown.has("283 150 14 5"));
    EXPECT_TRUE(shown.has("283 150 7 5"));
    EXPECT_TRUE(shown.has("308 170 14 10"));
    EXPECT_TRUE(shown.has("60 115 11 남아있는 점수 : 5"));
    EXPECT_TRUE(shown.has("60 115 11 남아있는 점수 : 0"));
    EXPECT_TRUE(shown.has("300 300 11 기사가 되려면"));
    EXPECT_TRUE(shown.has("300 320 14 베는  무기류  기술치"));
    EXPECT_TRUE(shown.has("476 320 14 10 이상"));
    EXPECT_TRUE(shown.has("300 340 7 찍는  무기류  기술치"));
    EXPECT_TRUE(shown.has("476 360 7 5 이상"));
    EXPECT_TRUE(shown.has("300 380 14 방패  사용    기술치"));
    EXPECT_TRUE(shown.has("476 380 14 20 이상"));
    EXPECT_TRUE(shown.has("300 300 11 검사가 되려면"));
    EXPECT_TRUE(shown.has("476 320 14 40 이상"));
}

TEST(ChooseSkillsAndClass, AMageStartsWithTheFirstThreeClassesAndPicksByArrows) {
    test::Session s;
    Member[1].Family = kMageFamily;
    // Enter opens the class list; class 4 is refused, class 2 is taken.
    s.platform.AppendKeys("{enter}{down*3}{enter}{enter}{down}{enter}");
    ChooseSkillsAndClass();
    EXPECT_EQ(Member[1].Class, 2);
    for (int k = 1; k <= 7; ++k) EXPECT_EQ(ClassQualifies(1, k), k <= 3) << k;
}

}  // namespace
}  // namespace vela
