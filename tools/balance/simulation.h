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

// A new game's setting for the most foes in a random encounter.
constexpr int kNewGameEncounters = 5;

// The most foes the party meets in a random encounter.
int EncounterSize(const ReferenceParty& party);
// The members with their levels and weapons, the arrows and the encounter size.
std::string Describe(const ReferenceParty& party);

// What a party holds and what the town can still take from it.
struct Holdings {
    long gold = 0;
    long experience = 0;  // not yet spent in the schools, all members
    long schools = 0;     // experience the schools still take: every skill to its school's highest value
    long shops = 0;       // gold the arms shop still takes: each member's dearest weapon, shield and
                          // armour it can use, where dearer than its own
};
Holdings Measure(const ReferenceParty& party);

// The playthrough's player (tests/playthrough/compile.py): a mage with magic
// left casts the strongest attack spell its skill allows at the first foe
// standing, everyone else strikes it; when the party is down to a third of
// its health, every member but the hero tries to run. Nobody heals in a fight.
void InstallPlayerPolicy();

// `battles` battles of the fight against the party, seeds from `seed`. A den
// plays its chain of encounters with hit and magic points and arrows carried
// from one to the next, and counts as won when the party is still standing
// after them (a fight run from is survived); any other fight is won only
// when every wave is beaten. Encounters have up to `size` foes, or as many
// as the party's own setting allows when `size` is 0.
Outcome Simulate(const Fight& fight, const ReferenceParty& party, int battles, unsigned seed, int size = 0);

}  // namespace vela::balance
