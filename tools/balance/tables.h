// The simulator's data: reference parties and the fights of the story, read
// from tab-separated files beside this source, and the parties and stretches
// between rests that the playthrough really has.
#pragma once

#include <cstdint>
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
    std::vector<Hero> members;   // a hand-written party
    std::vector<uint8_t> image;  // a party from the playthrough: its saved-game image
    std::string reason;          // how play reaches this party
};

struct Fight {
    std::string name;
    // "encounter" (one random encounter), "den" (the encounters between two
    // rests), "alone" (the lone newcomer's encounter), "entry" (met on every
    // entry), "scene", "boss", "lord" or "final".
    std::string kind;
    int map = 0;          // random encounters: the map whose table is drawn
    std::string stretch;  // a den: the stage whose stretches between rests are counted
    int chain = 1;        // a den: the random encounters fought in a row
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
    // The party as each stage of the playthrough from the first descent on left it.
    std::vector<ReferenceParty> late;
};

// The first stage of the playthrough whose party the economy notes weigh.
inline const std::string kFirstLateStage = "19";

// Reads parties.tsv and fights.tsv from `folder`. A party named after a stage
// of the playthrough ("16_clue") is the party that enters that stage, read
// from the state the stage before it left in `playFolder` (the folder that
// PLAYTHROUGH_OUTPUTS names). Throws std::runtime_error naming the file and
// line of a bad row, or the stage the outputs lack.
Tables ReadTables(const std::string& folder, const std::string& playFolder);

// The saved-game image in a state JSON ("raw": hex).
std::vector<uint8_t> StateImage(const std::string& json);

// The random encounters met between one rest and the next in transcript
// lines, one count a stretch (the stretches before the first rest and after
// the last included).
std::vector<int> Stretches(const std::vector<std::string>& transcript);

// The stage played just before `stage` among `stages` (names such as
// "16_clue"): the last one numbered below it; "" for none.
std::string StageBefore(const std::vector<std::string>& stages, const std::string& stage);

}  // namespace vela::balance
