#include "game/save/saved_game.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "files/durable_file.h"
#include "files/file_bytes.h"
#include "game/state/particles.h"
#include "game/state/party.h"
#include "game/world/map_catalogue.h"
#include "game/world/map_data.h"
#include "runtime/halt.h"
#include "screen/johab.h"

namespace vela {

namespace {

std::function<int(SaveStep)> faultHook;

// The names a save writes beside the slot's files: the new pair, then the
// backup pair and its temporaries.
constexpr char kNew[] = ".new", kBackup[] = ".bak", kBackupNew[] = ".bak.new";

// The folder's own spelling of a slot file, or the game's when it is new.
std::string existingName(const std::string& name) {
    std::string found = FindFileNoCase(".", name);
    return found.empty() ? name : found;
}

// Whether anything stands at the name; a link counts as itself.
bool exists(const std::string& name) {
    std::error_code ec;
    return std::filesystem::exists(std::filesystem::symlink_status(name, ec));
}

// One step of a save: its own failure, or one the test hook injects; errno
// then says why.
bool step(SaveStep which, bool ok) {
    if (!ok) return false;
    if (int cause = faultHook ? faultHook(which) : 0) {
        errno = cause;
        return false;
    }
    return true;
}

// The slot file copied whole to "<name>.bak.new". A slot without the file (a
// player file that was never saved with its map) gets an empty temporary,
// which commits as "no such backup".
bool writeBackup(const std::string& name, std::string& error) {
    std::string current = FindFileNoCase(".", name);
    std::vector<uint8_t> bytes;
    if (!current.empty()) {
        bool opened = false;
        bytes = ReadUpTo(current, std::size_t(1) << 20, &opened);
        if (!opened) return false;
    }
    return WriteAndSync(name + kBackupNew, bytes, error);
}

// The map's half of committing the backup pair: "<map>.bak.new" becomes the
// map backup, or, when empty, the map backup is removed.
bool commitMapBackup(const std::string& map, std::string& error) {
    std::string temporary = map + kBackupNew;
    std::error_code ec;
    if (std::filesystem::file_size(temporary, ec) != 0) return RenameFile(temporary, map + kBackup, error);
    std::remove((map + kBackup).c_str());
    return std::remove(temporary.c_str()) == 0;
}

// Settles one pair's temporaries: with the player file's still there the
// pair was never committed and both go; a map temporary alone is finished.
// True when it finished one.
bool settle(const std::string& playerTemp, const std::string& mapTemp, const std::function<bool()>& finishMap) {
    if (exists(playerTemp)) {
        std::remove(playerTemp.c_str());
        std::remove(mapTemp.c_str());
        return false;
    }
    return exists(mapTemp) && finishMap();
}

// Why a save failed, for the message window.
std::string failureReason(int cause) {
    switch (cause) {
        case ENOSPC:
        case EDQUOT:
            return std::string("디스크에 남은 공간이 없습니다."_j);
        case EROFS:
            return std::string("디스크가 읽기 전용이어서 쓸 수 없습니다."_j);
        case EACCES:
        case EPERM:
            return std::string("게임 폴더에 파일을 쓸 권한이 없습니다."_j);
        case EMFILE:
        case ENFILE:
            return std::string("열려 있는 파일이 너무 많습니다."_j);
        case EIO:
            return std::string("디스크를 읽고 쓰는 중에 오류가 났습니다."_j);
        default:
            return std::string("파일을 쓰지 못했습니다. (오류 번호 "_j) + std::to_string(cause) + ")";
    }
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

bool SaveGame(std::string& error, bool* previousKept) {
    Party.SavedX = uint8_t(PartyX);
    Party.SavedY = uint8_t(PartyY);
    Party.PartyChecksum = PartyChecksumOf();
    Party.MemberChecksum = MemberChecksumOf();

    RecoverSlot(SaveSlot);
    std::string player = PlayerFileName(SaveSlot), map = SavedMapName(SaveSlot);
    // Only a save the game could restore becomes the backup: a missing or
    // damaged one leaves the backup pair as it is.
    bool backUp = !FindFileNoCase(".", player).empty() && !CheckSavedGame(SaveSlot);
    std::string detail;  // the files' own words; the player is told the cause in errno
    bool reachedCommit = false;
    bool ok = step(SaveStep::WritePlayer, WriteAndSync(player + kNew, SavedGameImage(), detail)) &&
              step(SaveStep::WriteMap, WriteAndSync(map + kNew, SavedMapImage(), detail)) &&
              (!backUp ||
               (step(SaveStep::BackupPlayer, writeBackup(player, detail)) &&
                step(SaveStep::BackupMap, writeBackup(map, detail)) &&
                step(SaveStep::CommitBackupPlayer, RenameFile(player + kBackupNew, player + kBackup, detail)) &&
                step(SaveStep::CommitBackupMap, commitMapBackup(map, detail)))) &&
              // Once the player file is in place the new pair is whole on
              // disk (the map waits, flushed, under its temporary name): a
              // failure from there on is finished by RecoverSlot, one before
              // it thrown away.
              (reachedCommit = true) &&
              step(SaveStep::CommitPlayer, RenameFile(player + kNew, existingName(player), detail)) &&
              step(SaveStep::CommitMap, RenameFile(map + kNew, existingName(map), detail)) &&
              step(SaveStep::SyncFolder, SyncFolder(".", detail));
    if (ok) return true;
    error = failureReason(errno);
    // The new save counts once its player file has left its temporary name.
    if (previousKept) *previousKept = !reachedCommit || !FindFileNoCase(".", player + kNew).empty();
    RecoverSlot(SaveSlot);
    return false;
}

void RecoverSlot(char slot) {
    std::string player = PlayerFileName(slot), map = SavedMapName(slot), unused;
    // The backup pair first: a save commits it before the new pair.
    bool backupFinished =
        settle(player + kBackupNew, map + kBackupNew, [&] { return commitMapBackup(map, unused); });
    bool saveFinished =
        settle(player + kNew, map + kNew, [&] { return RenameFile(map + kNew, existingName(map), unused); });
    if (backupFinished || saveFinished) SyncFolder(".", unused);
    // Earlier versions of the game wrote their backups through these.
    std::remove((player + ".bak.tmp").c_str());
    std::remove((map + ".bak.tmp").c_str());
}

void RecoverAllSlots() {
    for (char slot = '1'; slot <= '9'; ++slot) RecoverSlot(slot);
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
        return {player, std::string("맵 번호 "_j) + WithParticle(std::to_string(party.MapNumber), Particle::Topic) +
                              std::string(" 없는 맵입니다"_j)};
    // The playable area is that of the map the game will stand on: the
    // saved map when there is one, else the map file.
    int x = party.SavedX, y = party.SavedY;
    SaveDamage outside{player, std::string("위치 "_j) + WithParticle(position(x, y), Particle::Subject) + std::string(" 맵 밖입니다"_j)};
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
                              WithParticle(position(x, y), Particle::Subject) + std::string(" 들지 않습니다"_j)};
    return outside;
}

char NewestSlot() {
    char newest = 0;
    std::filesystem::file_time_type newestTime;
    for (char slot = '1'; slot <= '9'; ++slot) {
        std::string player = FindFileNoCase(".", PlayerFileName(slot));
        if (player.empty()) continue;
        std::error_code ec;
        auto written = std::filesystem::last_write_time(player, ec);
        if (ec || (newest && written <= newestTime)) continue;
        newest = slot;
        newestTime = written;
    }
    return newest;
}

std::vector<std::string> SlotBackups(char slot) {
    std::string player = FindFileNoCase(".", PlayerFileName(slot) + ".bak");
    if (player.empty()) return {};
    std::vector<std::string> backups{player};
    if (std::string map = FindFileNoCase(".", SavedMapName(slot) + ".bak"); !map.empty()) backups.push_back(map);
    return backups;
}

void SetSaveFaultHook(std::function<int(SaveStep)> hook) { faultHook = std::move(hook); }

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
