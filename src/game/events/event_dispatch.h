// The handlers the exploration loop hands squares to. The handlers of
// entrances, signposts and people find the square bumped as the party's
// position plus the last step.
#pragma once

namespace vela {

void SpecialSquare();  // the party stands on a special square
void EnterPlace();     // the party bumped an entrance
void ReadSign();       // the party bumped a signpost
void TalkTo();         // the party bumped a person

}  // namespace vela
