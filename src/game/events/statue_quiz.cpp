#include "game/events/statue_quiz.h"

#include <string>

#include "game/events/primitives.h"
#include "game/state/particles.h"
#include "game/state/party.h"
#include "game/ui/menus.h"
#include "game/ui/messages.h"
#include "screen/johab.h"

namespace vela {

namespace {

struct AbilityRule {
    std::string_view name;
    uint8_t MemberRecord::*field;
    int cap;
    int priceOffset;  // accuracy pays the next step's price
};

const AbilityRule& ruleOf(Ability ability) {
    static const AbilityRule rules[] = {
        {"정신력"_j, &MemberRecord::Mentality, 30, 0}, {"인내력"_j, &MemberRecord::Endurance, 30, 0},
        {"체력"_j, &MemberRecord::Strength, 30, 0},    {"민첩성"_j, &MemberRecord::Agility, 20, 0},
        {"정확성"_j, &MemberRecord::Accuracy, 20, 1},
    };
    return rules[int(ability)];
}

void say(TextColour colour, const Lines& lines) {
    for (std::string_view line : lines) WriteMessage(colour, line);
}

// Asks one question; true when the right answer was chosen.
bool ask(const QuizQuestion& q) {
    ClearMessages();
    say(TextColour::Riddle, q.lines);
    MenuItems[0].clear();
    int n = 0;
    for (std::string_view answer : q.answers) {
        ++n;
        if (n > kMenuChoices) break;
        MenuItems[n] = std::to_string(n) + ". " + std::string(answer);
    }
    for (int i = n + 1; i <= kMenuChoices; ++i) MenuItems[i].clear();
    int y = kMessageStartY + 16 * (int(q.lines.size()) + 2);
    return Select(y, n, n, false, true) == q.correct;
}

}  // namespace

void StatueTrial(const Statue& statue) {
    if (!IsSet(Bit::PyramidStatuesAwake)) return;
    ClearMessages();
    if (IsSet(statue.passed)) {
        StatForGold(statue.reward);
        return;
    }
    bool allCorrect = true;
    WriteMessage(TextColour::Scene, " 당신 앞의 석상이 입을 열었다."_j);
    WriteBlankLine();
    say(TextColour::Voice, statue.subject);
    std::string count = statue.questions.size() == 3 ? "3" : "4";
    WriteMessage(TextColour::Voice, std::string(" 만약 나의 "_j) + count + std::string(" 가지 질문을 모두 통과하면 이 시"_j));
    WriteMessage(TextColour::Voice, "험을 통과한것으로 간주하겠소."_j);
    PressAnyKey();
    for (const QuizQuestion& q : statue.questions)
        if (!ask(q)) allCorrect = false;
    ClearMessages();
    if (!allCorrect) {
        say(TextColour::Voice, statue.failure);
        return;
    }
    say(TextColour::Voice, statue.praise);
    WriteMessage(TextColour::Voice, " 당신은 이 시험을 통과 했소."_j);
    WriteBlankLine();
    WriteMessage(TextColour::Reward, " [ 경험치 + 50000 ]"_j);
    GiveExperience(50000);
    SetBit(statue.passed);
}

void StatForGold(Ability ability) {
    const AbilityRule& rule = ruleOf(ability);
    ClearMessages();
    WriteMessage(TextColour::Speech, " 당신은 나의 문제를 모두 맞혔소.  그 보답"_j);
    WriteMessage(TextColour::Speech, "으로,  당신이 황금을 나에게 바친다면 당신들"_j);
    WriteMessage(TextColour::Speech,
                 std::string("중의 한사람의 "_j) + WithParticle(rule.name, Particle::Object) +
                     std::string(" 한 단계 올려 주겠소."_j));
    WriteBlankLine();
    WriteMessage(TextColour::Question, "한명을 고르시오 ---"_j);
    int slot = ChooseMember(kMessageStartY + 16 * 7, false, false);
    if (slot == 0) return;
    MemberRecord& m = Member[slot];
    std::string name = m.Name.str();
    int value = m.*rule.field;
    ClearMessages();
    if (value >= rule.cap) {
        WriteMessage(TextColour::Refusal,
                     WithParticle(name, Particle::Topic) + std::string(" 지금 최고의 "_j) + std::string(rule.name) +
                         std::string(" 수치입니다."_j));
        return;
    }
    int32_t price = kAbilityPrices[value + rule.priceOffset];
    if (price > Party.Gold) {
        WriteMessage(TextColour::Refusal,
                     std::string("일행은 "_j) + std::to_string(price) + std::string(" 개의 황금이 필요합니다."_j));
        return;
    }
    Party.Gold -= price;
    m.*rule.field = uint8_t(value + 1);
    // The statue's own words, in its 하오체.
    WriteMessage(TextColour::Voice, name + std::string("의 "_j) + WithParticle(rule.name, Particle::Subject) + " " +
                                        WithParticle(std::to_string(value + 1), Particle::Instrumental) +
                                        std::string(" 올랐소."_j));
}

}  // namespace vela
