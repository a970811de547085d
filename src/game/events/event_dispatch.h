// The handlers the exploration loop hands squares to. Each runs the blocks
// of the current map's script (map_script.h) for the square: the one stood
// on for special squares, the one bumped for entrances, signposts and
// people. A square without a block does nothing more; an entrance, sign or
// person still stops the step.
#pragma once

namespace vela {

void SpecialSquare();  // the party stands on a special square
void EnterPlace();     // the party bumped an entrance
void ReadSign();       // the party bumped a signpost
void TalkTo();         // the party bumped a person

}  // namespace vela
