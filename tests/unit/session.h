// A game session for in-process tests: the headless platform with a key
// script, fresh key queue, screen, text and game state, run inside a
// scratch folder that holds copies of the built data files.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "game/state/story.h"
#include "platform/headless_platform.h"

namespace vela::test {

class Session {
public:
    // withData: copy the built data files into the scratch folder and load
    // the fonts (set 2, as in the game).
    explicit Session(bool withData = true);
    ~Session();
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    HeadlessPlatform platform;
    std::filesystem::path dir;

    // Writes a file into the scratch folder.
    void WriteFile(const std::string& name, const std::string& bytes) const;

private:
    std::filesystem::path previous_;
};

// Loads map number at (x, y) as a fresh game would.
void LoadMapAt(int number, int x, int y);

// Reads a tile or sprite file of the current folder into the tile images.
void LoadTileFile(const std::string& name);

// The bytes of a file; none when it cannot be read.
std::vector<uint8_t> ReadBytes(const std::filesystem::path& path);
// The bytes of a data file as the build wrote it.
std::vector<uint8_t> ReadBuiltData(const std::string& name);

// Puts the story at the stage.
inline void SetStage(StoryStage stage) { Party.Flags[FlagStoryStage] = uint8_t(stage); }

// Every text drawn from now on, in UTF-8, one per line.
struct Transcript {
    std::string text;
    Transcript();
    bool has(const std::string& s) const { return text.find(s) != std::string::npos; }
};

}  // namespace vela::test
