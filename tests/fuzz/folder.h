// What every loader fuzz target shares: a scratch game folder holding the
// built data, the headless platform, and running a loader the way the game
// does, where a refused file ends in a report, never in a fault.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

namespace vela::fuzz {

// Once per process: a fresh folder with copies of the built data files
// becomes the current directory; the screen, fonts and state are set up.
// So a target is given its corpus and artifact paths absolute (run.sh does).
void EnterFuzzFolder();

// Puts the fuzzer's bytes into the game folder under the name.
void WriteInput(const std::string& name, const uint8_t* data, std::size_t size);
void RestoreFile(const std::string& name);  // the built data file again

// Runs the loader; the game's refusals (a halt after the report, an
// input/output error) are fine outcomes.
void RunLoader(const std::function<void()>& loader);

// The loader of 타른 with the fuzzer's bytes as one of its files (the map,
// tiles, palette or sprites); then show draws what was loaded.
void LoadTownWith(const std::string& name, const uint8_t* data, std::size_t size,
                  const std::function<void()>& show = {});

}  // namespace vela::fuzz
