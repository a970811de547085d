#include "builders.h"

namespace mkdata {
// Placeholder until this part of the builder is written.
int BuildEnemies(const fs::path&, const fs::path&) { return 0; }
}  // namespace mkdata
