// vela-mkdata: builds every game data file from the text sources in data/.
//   vela-mkdata build DATA_DIR OUT_DIR
//   vela-mkdata render-map NAME out.png [BUILT_DATA_DIR]
//   vela-mkdata tile-sheet SET out.png [BUILT_DATA_DIR]
//   vela-mkdata icon SIZE out.png [BUILT_DATA_DIR]
//   vela-mkdata font-sheet SET out.png [BUILT_DATA_DIR] [SYLLABLES]
//   vela-mkdata render-music SOURCE.txt out.wav
#include <iostream>

#include "builders.h"

int main(int argc, char** argv) {
    using namespace mkdata;
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.size() == 3 && args[0] == "build") {
        fs::path data = args[1], out = args[2];
        fs::create_directories(out);
        // Maps are checked against the built tiles, so tiles come first.
        int failed = BuildFonts(data, out);
        failed |= BuildTiles(data, out);
        failed |= BuildMaps(data, out);
        failed |= BuildEnemies(data, out);
        failed |= BuildMusic(data, out);
        return failed;
    }
    if (!args.empty()) {
        std::vector<std::string> rest(args.begin() + 1, args.end());
        if (args[0] == "render-map") return RenderMapCommand(rest);
        if (args[0] == "tile-sheet") return TileSheetCommand(rest);
        if (args[0] == "icon") return IconCommand(rest);
        if (args[0] == "font-sheet") return FontSheetCommand(rest);
        if (args[0] == "render-music") return RenderMusicCommand(rest);
    }
    std::cerr << "usage: vela-mkdata build DATA_DIR OUT_DIR\n"
                 "       vela-mkdata render-map NAME out.png [BUILT_DATA_DIR]\n"
                 "       vela-mkdata tile-sheet SET out.png [BUILT_DATA_DIR]\n"
                 "       vela-mkdata icon SIZE out.png [BUILT_DATA_DIR]\n"
                 "       vela-mkdata font-sheet SET out.png [BUILT_DATA_DIR] [SYLLABLES]\n"
                 "       vela-mkdata render-music SOURCE.txt out.wav\n";
    return 2;
}
