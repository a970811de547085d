#include "runtime/settings.h"

#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "files/durable_file.h"

namespace vela {

Settings UserSettings;

namespace {

std::string settingsFile;

std::string_view trimmed(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.remove_suffix(1);
    return s;
}

bool readYesNo(std::string_view value, bool& out) {
    if (value == "yes") return out = true, true;
    if (value == "no") return out = false, true;
    return false;
}

// Sets the named setting from value; false for an unknown name or a bad value.
bool apply(Settings& s, std::string_view name, std::string_view value) {
    if (name == "window-scale") {
        int scale = 0;
        auto [end, ec] = std::from_chars(value.data(), value.data() + value.size(), scale);
        if (ec != std::errc() || end != value.data() + value.size() || scale < 1 || scale > 16) return false;
        s.windowScale = scale;
        return true;
    }
    if (name == "fullscreen") return readYesNo(value, s.fullscreen);
    if (name == "music") return readYesNo(value, s.music);
    if (name == "footsteps") return readYesNo(value, s.footsteps);
    if (name == "renderer") return readYesNo(value, s.renderer);
    return false;
}

const char* yesNo(bool b) { return b ? "yes" : "no"; }

}  // namespace

std::string SettingsPath() {
    const char* config = std::getenv("XDG_CONFIG_HOME");
    std::string folder;
    if (config && config[0] == '/') {
        folder = config;
    } else if (const char* home = std::getenv("HOME"); home && home[0]) {
        folder = std::string(home) + "/.config";
    } else {
        return "";
    }
    return folder + "/vela/settings.ini";
}

Settings ParseSettings(std::string_view text, const std::string& name) {
    Settings s;
    int number = 0;
    while (!text.empty()) {
        std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        ++number;
        std::string_view content = trimmed(line);
        if (content.empty() || content.front() == '#') continue;
        std::size_t equals = content.find('=');
        if (equals != std::string_view::npos &&
            apply(s, trimmed(content.substr(0, equals)), trimmed(content.substr(equals + 1))))
            continue;
        std::fprintf(stderr, "vela: %s:%d: ignored: %.*s\n", name.c_str(), number, int(content.size()),
                     content.data());
    }
    return s;
}

std::string FormatSettings(const Settings& s) {
    std::ostringstream out;
    out << "# Vela's settings, written by the game whenever one changes.\n"
        << "window-scale = " << s.windowScale << "\n"
        << "fullscreen = " << yesNo(s.fullscreen) << "\n"
        << "music = " << yesNo(s.music) << "\n"
        << "footsteps = " << yesNo(s.footsteps) << "\n"
        << "renderer = " << yesNo(s.renderer) << "\n";
    return out.str();
}

void LoadSettings(const std::string& path) {
    settingsFile = path;
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    if (in) text << in.rdbuf();
    UserSettings = ParseSettings(text.str(), path);
}

void SaveSettings() {
    if (settingsFile.empty()) return;
    std::error_code ec;
    std::filesystem::create_directories(std::filesystem::path(settingsFile).parent_path(), ec);
    std::string error;
    if (!ReplaceFile(settingsFile, FormatSettings(UserSettings), error))
        std::fprintf(stderr, "vela: cannot write the settings: %s\n", error.c_str());
}

void ResetSettings() {
    UserSettings = Settings{};
    settingsFile.clear();
}

}  // namespace vela
