#include "game/save/saved_game.h"

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "files/durable_file.h"
#include "files/file_bytes.h"
#include "game/state/party.h"
#include "game/world/map_catalogue.h"
#include "game/world/map_data.h"
#include "runtime/halt.h"
#include "screen/johab.h"

namespace vela {

namespace {

std::function<bool(SaveStep)> faultHook;

// The folder's own spelling of a slot file, or the game's when it is new.
std::string existingName(const std::string& name) {
    std::string found = FindFileNoCase(".", name);
    return found.empty() ? name : found;
}

bool exists(const std::string& name) {
    std::error_code ec;
    return std::filesystem::exists(name, ec);
}

// One step of a save: its own failure, or one the test hook injects.
bool step(SaveStep which, bool ok, std::string& error) {
    if (!ok) return false;
    if (faultHook && faultHook(which)) {
        error = "injected failure";
        return false;
    }
    return true;
}

// Copies the slot file to "<name>.bak" whole, or removes a stale backup
// when the slot has no such file, so the backups stay one pair.
bool backup(const std::string& name, std::string& error) {
    std::string current = FindFileNoCase(".", name);
    if (current.empty()) {
        std::remove((name + ".bak").c_str());
        return true;
    }
    std::vector<uint8_t> bytes = ReadUpTo(current, std::size_t(1) << 20);
    return ReplaceFile(name + ".bak", bytes, error);
}

void addBytes(uint8_t& sum, const uint8_t* bytes, int from, int to) {
    for (int i = from; i <= to; ++i) sum = uint8_t(sum + bytes[i]);
}

}  // namespace

std::string PlayerFileName(char slot) { return std::string("player") + slot + ".dat"; }
std::string SavedMapName(char slot) { return std::string("save") + slot + ".map"; }

uint8_t PartyChecksumOf() {
    const auto* p = reinterpret_cast<const uint8_t*>(&Party);
    uint8_t sum = 0;
    for (int offset : {0, 7, 8, 9, 10, 11, 15}) sum = uint8_t(sum + p[offset]);
    addBytes(sum, p, 19, 128);
    return sum;
}

uint8_t MemberChecksumOf() {
    uint8_t sum = 0;
    for (int slot = 1; slot <= kLastFightingSlot; ++slot) {
        const auto* m = reinterpret_cast<const uint8_t*>(&Member[slot]);
        addBytes(sum, m, 19, 29);
        for (int offset : {31, 33, 35, 37, 38, 39, 43}) sum = uint8_t(sum + m[offset]);
        addBytes(sum, m, 47, 53);
        addBytes(sum, m, 55, 60);
    }
    return sum;
}

std::vector<uint8_t> SavedMapImage() {
    std::vector<uint8_t> image;
    image.reserve(kSavedMapBytes);
    image.push_back(MapWidth);
    image.push_back(MapHeight);
    image.insert(image.end(), MapCells.begin(), MapCells.end());
    return image;
}

bool SaveGame(std::string& error) {
    Party.SavedX = uint8_t(PartyX);
    Party.SavedY = uint8_t(PartyY);
    Party.PartyChecksum = PartyChecksumOf();
    Party.MemberChecksum = MemberChecksumOf();

    RecoverSlot(SaveSlot);
    std::string player = PlayerFileName(SaveSlot), map = SavedMapName(SaveSlot);
    std::string playerTemp = player + ".new", mapTemp = map + ".new";
    bool ok = step(SaveStep::WritePlayer, WriteAndSync(playerTemp, SavedGameImage(), error), error) &&
              step(SaveStep::WriteMap, WriteAndSync(mapTemp, SavedMapImage(), error), error) &&
              step(SaveStep::BackupPlayer, backup(player, error), error) &&
              step(SaveStep::BackupMap, backup(map, error), error);
    // Once the player file is in place the new pair is whole on disk (the
    // map waits, flushed, under its temporary name): a failure from there
    // on is finished by RecoverSlot, one before it thrown away.
    ok = ok && step(SaveStep::CommitPlayer, RenameFile(playerTemp, existingName(player), error), error) &&
         step(SaveStep::CommitMap, RenameFile(mapTemp, existingName(map), error), error);
    if (!ok) {
        RecoverSlot(SaveSlot);
        return false;
    }
    return step(SaveStep::SyncFolder, SyncFolder(".", error), error);
}

void RecoverSlot(char slot) {
    std::string player = PlayerFileName(slot), map = SavedMapName(slot);
    std::string playerTemp = player + ".new", mapTemp = map + ".new";
    if (exists(playerTemp)) {
        // Never committed: the slot still holds the previous save.
        std::remove(playerTemp.c_str());
        std::remove(mapTemp.c_str());
    } else if (exists(mapTemp)) {
        std::string ignored;
        if (RenameFile(mapTemp, existingName(map), ignored)) SyncFolder(".", ignored);
    }
}

std::string CheckSavedGame(char slot) {
    std::string player = FindFileNoCase(".", PlayerFileName(slot));
    if (player.empty()) return "";  // reported as missing by the loader
    // A short player file fills only what it holds; the rest stays as it is.
    std::vector<uint8_t> image = SavedGameImage();
    std::vector<uint8_t> stored = ReadUpTo(player, kSavedGameBytes);
    std::copy(stored.begin(), stored.end(), image.begin());
    PartyRecord party;
    std::memcpy(&party, image.data(), sizeof party);

    if (!IsGameMap(party.MapNumber))
        return std::string("맵 번호 "_j) + std::to_string(party.MapNumber) + std::string("은 없는 맵입니다"_j);
    // The playable area is that of the map the game will stand on: the
    // saved map when there is one, else the map file.
    std::string savedMap = FindFileNoCase(".", SavedMapName(slot));
    std::vector<uint8_t> head;
    if (!savedMap.empty()) {
        head = ReadUpTo(savedMap, kSavedMapBytes);
        if (head.size() != kSavedMapBytes) return savedMap + std::string(" 파일이 잘려 있습니다"_j);
    } else {
        head = ReadUpTo(std::string(MapInfoOf(party.MapNumber).name) + ".map", 2);
    }
    int width = head.size() >= 2 ? head[0] : 0, height = head.size() >= 2 ? head[1] : 0;
    if (width == 0) return "";  // the map file itself is missing: the loader names it
    if (party.SavedX < 5 || party.SavedX > width - 4 || party.SavedY < 5 || party.SavedY > height - 4)
        return std::string("위치 ("_j) + std::to_string(party.SavedX) + "," + std::to_string(party.SavedY) +
               std::string(")가 맵 밖입니다"_j);
    return "";
}

void SetSaveFaultHook(std::function<bool(SaveStep)> hook) { faultHook = std::move(hook); }

namespace {

// The slot's player file, found whatever the case of its name; one whose
// values the game cannot play on is reported as damaged before anything of
// it is taken.
void readSavedParty(char slot) {
    std::string name = FindFileNoCase(".", PlayerFileName(slot));
    if (name.empty()) ReportMissingFile(PlayerFileName(slot));
    if (std::string problem = CheckSavedGame(slot); !problem.empty())
        ReportDamagedFile(name, JohabToUtf8(problem) + "; the previous save is in " + PlayerFileName(slot) + ".bak");
    bool opened = false;
    std::vector<uint8_t> bytes = ReadUpTo(name, kSavedGameBytes, &opened);
    if (!opened) ReportMissingFile(name);
    // A short file fills what it holds; the rest keeps its contents.
    LoadSavedGameImage(bytes);
}

}  // namespace

void LoadMapOrRestore() {
    if (MapLoaded != 0 || RestorePending != 1) {
        LoadMap();
        return;
    }
    RecoverSlot(SaveSlot);
    readSavedParty(SaveSlot);
    std::string savedMap = FindFileNoCase(".", SavedMapName(SaveSlot));
    if (savedMap.empty())
        LoadMap();
    else
        LoadSavedMap(savedMap);
}

}  // namespace vela
