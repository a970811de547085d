// The enemy table the build made from data/enemies.tsv, loaded as the game
// loads it: from the folder of the built data.
#pragma once

#include <filesystem>

#include "game/state/enemy_table.h"

namespace vela::test {

inline void LoadBuiltEnemyTable() {
    std::filesystem::path home = std::filesystem::current_path();
    std::filesystem::current_path(VELA_DATA_DIR);
    LoadEnemyTable();
    std::filesystem::current_path(home);
}

}  // namespace vela::test
