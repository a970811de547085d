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

namespace {

// The playable area of a map of the size: the squares a restored party may
// stand on. An empty one holds nothing.
struct Area {
    int width = 0, height = 0;
    bool holds(int x, int y) const { return x >= 5 && x <= width - 4 && y >= 5 && y <= height - 4; }
    std::string size() const { return std::to_string(width) + " x " + std::to_string(height); }
};

std::string position(int x, int y) { return "(" + std::to_string(x) + "," + std::to_string(y) + ")"; }

// The area of the map's own file, or an empty one when that file is missing
// or damaged.
Area mapFileArea(int mapNumber) {
    std::vector<uint8_t> bytes = ReadMapFile(std::string(MapInfoOf(mapNumber).name) + ".map");
    if (!MapFileProblem(bytes).empty()) return {};
    return {bytes[0], bytes[1]};
}

// A player file that ends inside a record: the party record, or a member
// whose first bytes are the file's and the rest the game's in memory.
std::string cutRecord(std::size_t length) {
    if (length < kPartyBytes)
        return std::string("일행의 기록이 잘려 있습니다 ("_j) + std::to_string(kPartyBytes) + std::string(" 바이트 중 "_j) +
               std::to_string(length) + std::string(" 바이트)"_j);
    std::size_t inMember = (length - kPartyBytes) % sizeof(MemberRecord);
    if (length >= kSavedGameBytes || inMember == 0) return "";
    int slot = int((length - kPartyBytes) / sizeof(MemberRecord)) + 1;
    return std::string("일원 "_j) + std::to_string(slot) + std::string("의 기록이 잘려 있습니다 ("_j) +
           std::to_string(sizeof(MemberRecord)) + std::string(" 바이트 중 "_j) + std::to_string(inMember) +
           std::string(" 바이트)"_j);
}

std::string clockProblem(const PartyRecord& party) {
    if (party.Hour > 23 || party.Minute > 59 || party.Second > 59)
        return std::string("있을 수 없는 시각입니다: "_j) + std::to_string(party.Hour) + std::string("시 "_j) +
               std::to_string(party.Minute) + std::string("분 "_j) + std::to_string(party.Second) + std::string("초"_j);
    // The training ground wraps the year to day 0, the other clocks to day
    // 1, and day 360 itself is kept: every day 0..360 can be saved.
    if (party.Day < 0 || party.Day > 360)
        return std::string("날짜가 0..360 밖입니다: "_j) + std::to_string(party.Day);
    return "";
}

bool hasMember(const std::vector<uint8_t>& image) {
    for (int slot = 1; slot <= kLastFightingSlot; ++slot) {
        MemberRecord member;
        std::memcpy(&member, image.data() + kPartyBytes + (slot - 1) * sizeof member, sizeof member);
        if (!member.Name.empty()) return true;
    }
    return false;
}

}  // namespace

SaveDamage CheckSavedGame(char slot) {
    std::string player = FindFileNoCase(".", PlayerFileName(slot));
    if (player.empty()) return {};  // reported as missing by the loader
    std::vector<uint8_t> stored = ReadUpTo(player, kSavedGameBytes);
    if (std::string cut = cutRecord(stored.size()); !cut.empty()) return {player, cut};
    // A short file fills the records it holds; the rest stay as they are.
    std::vector<uint8_t> image = SavedGameImage();
    std::copy(stored.begin(), stored.end(), image.begin());
    PartyRecord party;
    std::memcpy(&party, image.data(), sizeof party);

    if (std::string clock = clockProblem(party); !clock.empty()) return {player, clock};
    if (!hasMember(image)) return {player, "일행에 일원이 한 명도 없습니다"_j};
    if (!IsGameMap(party.MapNumber))
        return {player, std::string("맵 번호 "_j) + std::to_string(party.MapNumber) + std::string("은 없는 맵입니다"_j)};
    // The playable area is that of the map the game will stand on: the
    // saved map when there is one, else the map file.
    int x = party.SavedX, y = party.SavedY;
    SaveDamage outside{player, std::string("위치 "_j) + position(x, y) + std::string("가 맵 밖입니다"_j)};
    std::string savedMap = FindFileNoCase(".", SavedMapName(slot));
    if (savedMap.empty()) {
        // A missing or damaged map file is the game's, not the save's: the
        // loader names it.
        Area area = mapFileArea(party.MapNumber);
        return area.width == 0 || area.holds(x, y) ? SaveDamage{} : outside;
    }
    std::vector<uint8_t> head = ReadUpTo(savedMap, kSavedMapBytes);
    if (std::string problem = SavedMapProblem(head); !problem.empty()) return {savedMap, problem};
    Area savedArea{head[0], head[1]};
    if (savedArea.holds(x, y)) return {};
    // The position fits the map's own size but not the saved one: the saved
    // map's size is the odd one out.
    if (mapFileArea(party.MapNumber).holds(x, y))
        return {savedMap, std::string("맵 크기 "_j) + savedArea.size() + std::string(" 안에 일행의 위치 "_j) +
                              position(x, y) + std::string("가 들지 않습니다"_j)};
    return outside;
}

std::vector<std::string> SlotBackups(char slot) {
    std::string player = FindFileNoCase(".", PlayerFileName(slot) + ".bak");
    if (player.empty()) return {};
    std::vector<std::string> backups{player};
    if (std::string map = FindFileNoCase(".", SavedMapName(slot) + ".bak"); !map.empty()) backups.push_back(map);
    return backups;
}

void SetSaveFaultHook(std::function<bool(SaveStep)> hook) { faultHook = std::move(hook); }

namespace {

// The slot's player file, found whatever the case of its name; one whose
// values the game cannot play on is reported as damaged, naming the file at
// fault, before anything of it is taken. True when the records taken do not
// add up to the byte sums stored in them.
bool readSavedParty(char slot) {
    std::string name = FindFileNoCase(".", PlayerFileName(slot));
    if (name.empty()) ReportMissingFile(PlayerFileName(slot));
    if (SaveDamage damage = CheckSavedGame(slot)) {
        std::string previous;
        for (const std::string& backup : SlotBackups(slot))
            previous += (previous.empty() ? "; the previous save is in " : " and ") + backup;
        ReportDamagedFile(damage.file, JohabToUtf8(damage.problem) + previous);
    }
    bool opened = false;
    std::vector<uint8_t> bytes = ReadUpTo(name, kSavedGameBytes, &opened);
    if (!opened) ReportMissingFile(name);
    LoadSavedGameImage(bytes);
    return Party.PartyChecksum != PartyChecksumOf() || Party.MemberChecksum != MemberChecksumOf();
}

}  // namespace

bool LoadMapOrRestore() {
    if (MapLoaded != 0 || RestorePending != 1) {
        LoadMap();
        return false;
    }
    RecoverSlot(SaveSlot);
    bool sumsDiffer = readSavedParty(SaveSlot);
    std::string savedMap = FindFileNoCase(".", SavedMapName(SaveSlot));
    if (savedMap.empty())
        LoadMap();
    else
        LoadSavedMap(savedMap);
    return sumsDiffer;
}

}  // namespace vela
