#include "game/state/enemy_table.h"

#include <fstream>

#include "runtime/halt.h"

namespace vela {

std::array<EnemyRecord, kEnemyCount> EnemyTable{};

void LoadEnemyTable() {
    constexpr const char* kFile = "foedata.dat";
    std::ifstream in(kFile, std::ios::binary);
    if (!in) throw IoError(std::string("cannot open ") + kFile);
    // Read into a copy so a short file never leaves a half-filled table.
    std::array<EnemyRecord, kEnemyCount> records;
    in.read(reinterpret_cast<char*>(records.data()), sizeof records);
    if (in.gcount() != std::streamsize(sizeof records))
        throw IoError(std::string(kFile) + " holds " + std::to_string(in.gcount()) + " bytes; the enemy table needs " +
                      std::to_string(sizeof records));
    EnemyTable = records;
}

const EnemyRecord& EnemyRecordOf(int n) {
    // at() turns a caller's stray number into an exception instead of a read
    // past the table.
    return EnemyTable.at(std::size_t(n - 1));
}

}  // namespace vela
