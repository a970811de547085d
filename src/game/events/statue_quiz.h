// The pyramid's statues of trial: a quiz that is always asked to the end,
// and, once passed, the offer to raise one ability for gold.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "game/events/one_shot_bits.h"

namespace vela {

using Lines = std::vector<std::string_view>;

struct QuizQuestion {
    Lines lines;    // the question
    Lines answers;  // the numbered choices
    int correct;                                      // 1-based
};

enum class Ability { Mentality, Endurance, Strength, Agility, Accuracy };

struct Statue {
    Lines subject;  // the introduction before the rule
    std::vector<QuizQuestion> questions;
    Lines praise;
    Lines failure;
    Bit passed;
    Ability reward;
};

// The price of one step of the reward, 30 entries from 0.
inline constexpr int32_t kAbilityPrices[30] = {
    30,     60,     125,    250,    500,     1000,    2000,    3000,    4000,    6000,
    8000,   12000,  16000,  24000,  32000,   64000,   96000,   128000,  192000,  256000,
    384000, 512000, 770000, 1000000, 1500000, 2000000, 2500000, 3000000, 3500000, 4000000};

// Every step costs more than the one before.
constexpr bool PricesRise() {
    for (int i = 1; i < 30; ++i)
        if (kAbilityPrices[i] <= kAbilityPrices[i - 1]) return false;
    return true;
}
static_assert(PricesRise(), "an ability step costs less than the one before it");

// Runs the statue the party stands on: nothing while the statues sleep, the
// offer once passed, else the quiz.
void StatueTrial(const Statue& statue);
// The reward offer for the ability.
void StatForGold(Ability ability);
// All five quizzes passed (the broken statue has none).
bool AllStatuesPassed();

}  // namespace vela
