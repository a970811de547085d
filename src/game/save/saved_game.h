// The saved games: nine slots of two files each in the game folder,
// "player<n>.dat" (the party and member records, 556 bytes) and
// "save<n>.map" (the map size and the whole 200 x 125 cell buffer).
//
// A save never destroys the previous one: both new files are written to
// "<name>.new" and flushed, the previous pair is copied to "<name>.bak",
// then the player file is renamed into place (the commit) and the map file
// after it. A save cut short before the commit is thrown away at the next
// look at the slot; one cut short after it is finished, since its map file
// was already whole on disk.
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
// error then says why and the previous save of the slot is whole.
bool SaveGame(std::string& error);

// Finishes or throws away a save of the slot that was cut short.
void RecoverSlot(char slot);

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
// true makes that step fail; throwing abandons the save where it stands, as
// a killed process would.
enum class SaveStep { WritePlayer, WriteMap, BackupPlayer, BackupMap, CommitPlayer, CommitMap, SyncFolder };
void SetSaveFaultHook(std::function<bool(SaveStep)> hook);

}  // namespace vela
