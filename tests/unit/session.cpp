#include "session.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <random>

#include "audio/music.h"
#include "game/state/party.h"
#include "game/battle/enemy_group.h"
#include "game/state/random.h"
#include "game/world/map_data.h"
#include "game/world/map_view.h"
#include "screen/fonts.h"
#include "screen/gfx.h"
#include "screen/image_cache.h"
#include "screen/johab.h"
#include "screen/text_output.h"
#include "runtime/key_queue.h"
#include "runtime/settings.h"

namespace vela::test {

namespace fs = std::filesystem;

Session::Session(bool withData) {
    previous_ = fs::current_path();
    dir = fs::temp_directory_path() / ("vela-test-" + std::to_string(std::random_device{}()));
    fs::create_directories(dir);
    if (withData)
        for (const auto& entry : fs::directory_iterator(VELA_DATA_DIR))
            if (entry.is_regular_file() && entry.path().filename().string()[0] != '.')
                fs::copy_file(entry.path(), dir / entry.path().filename());
    fs::current_path(dir);
    SetPlatform(&platform);
    ResetKeyQueue();
    ResetGameState();
    ResetMapState();
    ResetMusicState();
    ResetSettings();
    ResetBattleState();
    SeedRandom(1);
    InitGraph();
    ResetPalette();
    SetColor(0);
    SetFillStyle(1, 8);
    if (withData) {
        InitTextOutput();
        LoadHangulFont(2);
    } else {
        ResetTextState();
    }
}

Session::~Session() {
    SetTextObserver(nullptr);
    fs::current_path(previous_);
    std::error_code ignored;
    fs::remove_all(dir, ignored);
    SetPlatform(nullptr);
}

void LoadMapAt(int number, int x, int y) {
    Party.MapNumber = uint8_t(number);
    Party.SavedX = uint8_t(x);
    Party.SavedY = uint8_t(y);
    MapLoaded = 0;
    RestorePending = 0;
    LoadMap();
}

void LoadTileFile(const std::string& name) {
    std::vector<uint8_t> bytes = ReadBytes(name);
    std::copy_n(bytes.begin(), std::min(bytes.size(), TileImages.size()), TileImages.begin());
    ImagesChanged(TileImages.data(), TileImages.size());
}

std::vector<uint8_t> ReadBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<uint8_t> ReadBuiltData(const std::string& name) { return ReadBytes(fs::path(VELA_DATA_DIR) / name); }

Transcript::Transcript() {
    SetTextObserver([this](int, int, int, std::string_view s) { text += JohabToUtf8(s) + "\n"; });
}

void Session::WriteFile(const std::string& name, const std::string& bytes) const {
    std::ofstream out(dir / name, std::ios::binary);
    out.write(bytes.data(), std::streamsize(bytes.size()));
}

}  // namespace vela::test
