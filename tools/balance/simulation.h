// Plays seeded battles of the real battle code with a sensible player.
#pragma once

#include <string>

#include "tables.h"

namespace vela::balance {

struct Outcome {
    int battles = 0;
    int wins = 0;
    double rounds = 0;          // mean rounds per battle
    double medianHpLost = 0;    // share of the party's hit points, 0..1
    double experience = 0;      // mean experience earned by the party per battle
    double gold = 0;            // mean gold per battle
    double winRate() const { return battles ? double(wins) / battles : 0; }
};

// The policy: fighters strike the first foe standing; mages cast the best
// attack spell they can afford on it, or the group spell when three or more
// foes stand and they can pay for every one. Nobody flees or heals.
void InstallPlayerPolicy();

// `battles` battles of the fight against the party, seeds from `seed`.
Outcome Simulate(const Fight& fight, const ReferenceParty& party, int battles, unsigned seed);

}  // namespace vela::balance
