// The simulator's data: reference parties and the fights of the story, read
// from tab-separated files beside this source.
#pragma once

#include <map>
#include <string>
#include <vector>

namespace vela::balance {

struct Hero {
    std::string name;  // UTF-8
    int sex, family, cls;
    int strength, mentality, concentration, endurance, resistance, agility, accuracy, luck;
    int level, weapon, shield, armour;
    int skills[6];
};

struct ReferenceParty {
    std::string name;
    std::vector<Hero> members;
    std::string reason;  // why a player could have this party there
};

struct Fight {
    std::string name;
    std::string kind;     // "encounter", "boss", "scene" or "final"
    int map = 0;          // random encounters: the map whose table is drawn
    // Scripted: the waves of foes fought one after another with no rest between
    // (most fights have one); enemy numbers, -m for a copy of member m.
    std::vector<std::vector<int>> waves;
    std::string party;    // the party expected there
    std::string weaker;   // the party one phase weaker ("-" for none)
    std::string note;
};

struct Tables {
    std::map<std::string, ReferenceParty> parties;
    std::vector<std::string> partyOrder;
    std::vector<Fight> fights;
};

// Reads parties.tsv and fights.tsv from `folder`; throws std::runtime_error
// naming the file and line of a bad row.
Tables ReadTables(const std::string& folder);

}  // namespace vela::balance
