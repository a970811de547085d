// The story's stages, the value of Party.Flags[FlagStoryStage], each named
// for what the party has done to reach it; and the steps of the lord of
// 라스트디치's task (Party.Flags[FlagStorySubStage]), which runs inside
// SentToLastDitch.
#pragma once

#include <cstdint>

#include "game/state/party.h"

namespace vela {

enum class StoryStage : uint8_t {
    Begun,              // a new game: the ruler of 타른 waits for the hero
    SentToMenace,       // the ruler's first orders: see what stirs in 메너스
    SawTheAltar,        // the black altar of 메너스 seen
    SentBackToMenace,   // the ruler sends the party to the altar again
    FoughtTheFiends,    // the fiends at the altar fought
    SentToLastDitch,    // the ruler sends the party to the lord of 라스트디치
    LordsTaskDone,      // the lord has sent the party home; his letter goes to the ruler
    SagesSummoned,      // the ruler has read the lord's letter and calls the sages
    FirstWayPromised,   // the sages need twenty days to open the way down
    FirstWayOpen,       // the twenty days are over: the first descent
    FirstDescentDone,   // the first descent's deeds done, back on the ground
    SecondWayPromised,  // the ruler's reward and the night at the castle; fifteen days
    SecondWayOpen,      // the second descent
    SecondDescentDone,  // 베리알's guard and 몰록's mirror beaten, back on the ground
    LastWayPromised,    // the ruler's reward; five days
    LastWayOpen,        // the last descent
    MephistoSlain,      // the last gate closed; the world above lies in ruins
};

enum class LordsTask : uint8_t {
    NotStarted,         // the party has not yet spoken to the lord at this stage
    SentToPyramid,      // the statues of the pyramid are to be passed
    StatuesPassed,      // every statue passed
    SentToTheRooms,     // the tablet of 흉성의 증거 and the object of 흉성의 단서 are to be found
    FindsBrought,       // both brought to the lord
    LetterWritten,      // the lord writes to the ruler
};

// From this stage on the world has heard that 베리알 and 몰록 fell: the
// ruler has had the party's report.
inline constexpr StoryStage kDemonsFallKnown = StoryStage::LastWayPromised;

inline StoryStage Stage() { return StoryStage(Party.Flags[FlagStoryStage]); }
inline LordsTask SubStage() { return LordsTask(Party.Flags[FlagStorySubStage]); }

}  // namespace vela
