// The read-only screens of the camp: the party's belongings and the
// calendar, one member's sheet, and the health table.
#pragma once

namespace vela {

void PartyOverview();   // P
void CharacterSheet();  // V
void StateTable();      // Q

}  // namespace vela
