#include "game/world/data_files.h"

#include <filesystem>

#include "files/file_bytes.h"
#include "game/state/enemy_table.h"
#include "game/world/map_catalogue.h"
#include "game/world/map_data.h"
#include "runtime/halt.h"
#include "screen/fonts.h"

namespace vela {

std::vector<std::string> RequiredDataFiles() {
    std::vector<std::string> files{kAsciiFontFile};
    for (int set = 0; set < kHangulFontSets; ++set) files.push_back(HangulFontFile(set));
    files.push_back(kJamoFontFile);
    for (const char* tileSet : kTileSetNames) {
        files.push_back(std::string(tileSet) + ".fnt");
        files.push_back(std::string(tileSet) + ".pal");
    }
    files.push_back(kSpriteFile);
    for (const MapInfo& map : kMapCatalogue) files.push_back(std::string(map.name) + ".map");
    files.push_back(kEnemyFile);
    return files;
}

void CheckDataFiles() {
    std::vector<std::string> missing;
    for (const std::string& name : RequiredDataFiles()) {
        bool opened = false;
        ReadUpTo(name, 0, &opened);  // opened the way the loaders open it
        if (!opened) missing.push_back(name);
    }
    if (!missing.empty()) ReportMissingFiles(std::filesystem::current_path().string(), missing);
}

}  // namespace vela
