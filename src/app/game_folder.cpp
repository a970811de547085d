#include "app/game_folder.h"

#include <cstdlib>
#include <filesystem>
#include <stdexcept>

namespace vela {

namespace fs = std::filesystem;

std::string InstalledDataFolder() {
    std::error_code ec;
    fs::path program = fs::read_symlink("/proc/self/exe", ec);
    if (ec) return "";
    fs::path data = program.parent_path().parent_path() / "share" / "games" / "vela";
    return fs::is_directory(data, ec) ? data.string() : "";
}

void EnterPlayerFolder(const std::string& dataFolder) {
    const char* dataHome = std::getenv("XDG_DATA_HOME");
    const char* home = std::getenv("HOME");
    fs::path folder;
    if (dataHome && dataHome[0] == '/')
        folder = fs::path(dataHome) / "vela";
    else if (home && home[0])
        folder = fs::path(home) / ".local" / "share" / "vela";
    else
        throw std::runtime_error("HOME is not set: there is no folder for the saved games");
    try {
        fs::create_directories(folder);
        for (const auto& entry : fs::directory_iterator(dataFolder))
            if (entry.is_regular_file())
                fs::copy_file(entry.path(), folder / entry.path().filename(), fs::copy_options::overwrite_existing);
        fs::current_path(folder);
    } catch (const fs::filesystem_error& e) {
        throw std::runtime_error(std::string("The game's folder cannot be made ready: ") + e.what());
    }
}

}  // namespace vela
