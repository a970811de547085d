// The title: the animated opening, the narration and the prophecy, and the
// menu that creates a hero, continues the saved game or quits.
#pragma once

namespace vela {

// Returns once a hero has been accepted (RestorePending cleared) or the
// player chose to continue slot 1 (RestorePending left as it was); quitting
// halts the program. createAtOnce skips the animation and the menu the first
// time round and goes straight into hero creation.
void ShowTitleSequence(bool createAtOnce = false);

}  // namespace vela
