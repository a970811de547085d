#include "builders.h"

namespace mkdata {
// Placeholder until this part of the builder is written.
int BuildFonts(const fs::path&, const fs::path&) { return 0; }
int FontSheetCommand(const std::vector<std::string>&) { return 1; }
}  // namespace mkdata
