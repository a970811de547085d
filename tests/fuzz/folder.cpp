#include "folder.h"

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <vector>

#include "game/state/party.h"
#include "game/world/map_data.h"
#include "platform/headless_platform.h"
#include "screen/fonts.h"
#include "screen/gfx.h"
#include "screen/text_output.h"
#include "runtime/halt.h"

namespace vela::fuzz {

namespace fs = std::filesystem;

namespace {

HeadlessPlatform platform;

}  // namespace

void EnterFuzzFolder() {
    static bool entered = false;
    if (entered) return;
    entered = true;
    fs::path dir = fs::temp_directory_path() / ("vela-fuzz-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    for (const auto& entry : fs::directory_iterator(VELA_DATA_DIR))
        if (entry.is_regular_file() && entry.path().filename().string()[0] != '.')
            fs::copy_file(entry.path(), dir / entry.path().filename(), fs::copy_options::overwrite_existing);
    fs::current_path(dir);
    SetPlatform(&platform);
    InitGraph();
    ResetPalette();
    InitTextOutput();
    LoadHangulFont(2);
}

void WriteInput(const std::string& name, const uint8_t* data, std::size_t size) {
    std::ofstream out(name, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), std::streamsize(size));
}

void RestoreFile(const std::string& name) {
    fs::copy_file(fs::path(VELA_DATA_DIR) / name, name, fs::copy_options::overwrite_existing);
}

void RunLoader(const std::function<void()>& loader) {
    try {
        loader();
    } catch (const ProgramHalt&) {
    } catch (const IoError&) {
    }
    platform.messages.clear();
}

void LoadTownWith(const std::string& name, const uint8_t* data, std::size_t size,
                  const std::function<void()>& show) {
    EnterFuzzFolder();
    static bool small = false;
    if (!small && name != "Tarn.map") {
        // The other files are the point: a small town is read faster.
        std::vector<uint8_t> town = {30, 30};
        town.resize(2 + 30 * 30, 44);
        WriteInput("Tarn.map", town.data(), town.size());
        small = true;
    }
    WriteInput(name, data, size);
    bool sprites = name == "chara.fnt";  // read only on a game's first load
    RunLoader([&show, sprites] {
        ResetGameState();
        Party.MapNumber = kTarn;
        Party.SavedX = 10;
        Party.SavedY = 48;
        MapLoaded = sprites ? 0 : 1;
        RestorePending = 0;
        LoadMap();
        if (show) show();
    });
}

}  // namespace vela::fuzz
