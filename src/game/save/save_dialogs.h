// The save and restore dialogs of the game options menu; the restore dialog
// is also offered by the end-of-game dialog.
#pragma once

namespace vela {

// Lets the player pick a slot and saves the game there; a save that cannot
// be written says so and leaves the slot's previous save whole.
void SaveDialog();
// Lets the player pick a saved game and loads it; true when one was loaded
// (PartyFate is then 254). A damaged save is refused in the message window
// and the game goes on as it was. The list opens on slot openOn ('1'..'9'),
// or on "없습니다" when it is 0.
bool RestoreGame(char openOn = 0);
// In the message window: the save just restored from the slot may be damaged
// or edited (its byte sums differ), and where the previous save is, if any.
void SayEditedSave(char slot);

}  // namespace vela
