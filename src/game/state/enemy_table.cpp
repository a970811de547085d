#include "game/state/enemy_table.h"

#include <cstring>
#include <vector>

#include "files/file_bytes.h"
#include "game/state/enemy_rules.h"
#include "runtime/halt.h"

namespace vela {

std::array<EnemyRecord, kEnemyCount> EnemyTable{};

void LoadEnemyTable() {
    bool opened = false;
    std::vector<uint8_t> bytes = ReadUpTo(kEnemyFile, sizeof EnemyTable, &opened);
    if (!opened) ReportMissingFile(kEnemyFile);
    // A short file, or one with a record the battle code cannot use, is
    // refused before anything of it is taken.
    if (bytes.size() != sizeof EnemyTable)
        ReportDamagedFile(kEnemyFile, "it holds " + std::to_string(bytes.size()) + " bytes, not " +
                                     std::to_string(sizeof EnemyTable));
    for (int n = 1; n <= kEnemyCount; ++n) {
        EnemyRecord record;
        std::memcpy(&record, &bytes[sizeof record * std::size_t(n - 1)], sizeof record);
        if (std::vector<std::string> faults = EnemyRecordFaults(n, record); !faults.empty())
            ReportDamagedFile(kEnemyFile, "enemy " + std::to_string(n) + ": " + faults.front());
    }
    std::memcpy(EnemyTable.data(), bytes.data(), bytes.size());
}

const EnemyRecord& EnemyRecordOf(int n) {
    // at() turns a caller's stray number into an exception instead of a read
    // past the table.
    return EnemyTable.at(std::size_t(n - 1));
}

}  // namespace vela
