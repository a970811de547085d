// The player's settings that outlive a run, kept in
// ${XDG_CONFIG_HOME:-~/.config}/vela/settings.ini as "name = value" lines.
// The window loads them at start and writes them whenever one changes; the
// harness and the tests never name a file, so they neither read nor write one.
#pragma once

#include <string>
#include <string_view>

namespace vela {

struct Settings {
    int windowScale = 1;     // 1x, 2x, ... (F10); a scale that no longer fits is cut down
    bool fullscreen = false;  // F11, Alt+Enter
    bool music = true;        // /m on the command line mutes one run only
    bool footsteps = true;    // the map's footstep sound
    bool renderer = false;    // present through SDL's renderer (--renderer for one run)
};

extern Settings UserSettings;

// Where the settings live: the folder vela under $XDG_CONFIG_HOME, or under
// ~/.config when that is unset or not absolute. Empty without either.
std::string SettingsPath();

// Reads text as a settings file named name. Every line that is not blank, a
// "#" note or a known "name = value" is ignored and named on one line of
// standard error ("name:LINE: ..."); the other lines still count.
Settings ParseSettings(std::string_view text, const std::string& name);
std::string FormatSettings(const Settings& settings);

// Loads UserSettings from path and remembers it for SaveSettings; a missing
// or unreadable file means the defaults.
void LoadSettings(const std::string& path);
// Writes UserSettings to the remembered file through the crash-safe writer,
// making its folder when needed. Nothing when no file was loaded; a failure
// is one line on standard error, never a stop.
void SaveSettings();
// Tests: the defaults, and no file.
void ResetSettings();

}  // namespace vela
