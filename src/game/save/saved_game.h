// The saved games: nine slots of two files each in the game folder,
// "player<n>.dat" (the party and member records, 556 bytes) and
// "save<n>.map" (the map size and the whole 200 x 125 cell buffer).
//
// A save never destroys the previous one, and the backup pair "<name>.bak"
// is always one save's pair. Both new files are written to "<name>.new";
// when the slot holds a save CheckSavedGame passes, that pair is copied to
// "<name>.bak.new" and committed as the backup pair; then the new pair is
// committed. Each pair is committed by renaming its player file, and its map
// file after it. At the next look at the slot, a pair whose player temporary
// is still there was never committed and is thrown away; a map temporary
// alone is finished. docs/DATA_FORMATS.md gives the steps.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace vela {

constexpr std::size_t kSavedMapBytes = 2 + 200 * 125;

std::string PlayerFileName(char slot);  // "player<n>.dat"
std::string SavedMapName(char slot);    // "save<n>.map"

// Byte sums stored in the party record when saving; a restore whose records
// do not add up to them is only warned about.
uint8_t PartyChecksumOf();
uint8_t MemberChecksumOf();  // members 1..6; the swap slot 7 is left out

// The saved map's bytes: width, height, then the cell buffer column by column.
std::vector<uint8_t> SavedMapImage();

// Writes both files for SaveSlot. False when they could not be written;
// error then says why, in Johab for the message window. previousKept, when
// given, tells which save the slot holds then: the previous one, whole, for
// a failure before the new player file was put in place; otherwise the new
// one, which RecoverSlot has finished.
bool SaveGame(std::string& error, bool* previousKept = nullptr);

// Finishes or throws away a save of the slot that was cut short and removes
// every temporary file of the slot.
void RecoverSlot(char slot);
// RecoverSlot for all nine slots, before the title: no temporary of a cut
// save stays in the folder.
void RecoverAllSlots();

// What is wrong with a slot: the file at fault, as found in the folder, and
// the problem in Johab. Empty when the slot can be restored.
struct SaveDamage {
    std::string file;
    std::string problem;
    explicit operator bool() const { return !problem.empty(); }
};

// The values a restored game must have to be playable (docs/DATA_FORMATS.md
// lists them): a player file that ends between records, a clock inside its
// ranges, at least one member, a map number the game knows (1..18), a
// position inside that map's playable area (x 5..width-4, y 5..height-4, the
// size read from the saved map or else from the map file) and a saved map
// that is whole and of a possible size. The byte sums are not among them: a
// save whose sums differ still loads (LoadMapOrRestore tells). A missing or
// damaged map file of the game is left to the loader, which names it.
SaveDamage CheckSavedGame(char slot);

// The slot whose player file was written last, by the files' modification
// times ('1'..'9'; the lower slot on a tie); 0 when no slot holds one. A
// save writes its player file anew and renames it into place, which keeps
// that time. The records themselves hold only the game's clock, which says
// how long the party has played, not when the save was made: a save of a
// restored older game, or of another hero, would be misjudged by it.
char NewestSlot();

// The slot's backups that exist ("player<n>.dat.bak", then "save<n>.map.bak"),
// as found in the folder; none when the player file has no backup.
std::vector<std::string> SlotBackups(char slot);

// The first map load of a game. Right after start-up or a restore
// (RestorePending) it finishes a cut save of SaveSlot, takes the slot's
// player file (a missing or damaged one is reported and halts) and its saved
// map when there is one; otherwise, and for a new hero, it is LoadMap. True
// when it restored a save whose stored byte sums differ from its records:
// the game plays on, and the caller says so (SayEditedSave) once the screen
// is drawn.
bool LoadMapOrRestore();

// Tests: called after each step of a save with the step's name. Returning
// an errno value (not 0) makes that step fail with it; throwing abandons the
// save where it stands, as a killed process would. The backup steps are
// skipped when the slot holds no save to back up.
enum class SaveStep {
    WritePlayer,
    WriteMap,
    BackupPlayer,
    BackupMap,
    CommitBackupPlayer,
    CommitBackupMap,
    CommitPlayer,
    CommitMap,
    SyncFolder
};
void SetSaveFaultHook(std::function<int(SaveStep)> hook);

}  // namespace vela
