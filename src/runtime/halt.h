// The ways the game procedure ends. Nothing deep in the game calls exit():
// every halt is an exception that the program entry catches, so tests can
// run whole games in-process.
#pragma once

#include <stdexcept>
#include <string>
#include <vector>

namespace vela {

// The program ends now (quit, ending, a missing data file already reported).
struct ProgramHalt {
    int status = 0;
};

// A file that could not be read or written where the game expects to (a
// saved map that is cut, the end command that cannot be renamed). The entry
// point shows it in a message box and ends with a non-zero status.
struct IoError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// A data file the game cannot play without (a font, the enemy table, a map,
// its tiles, a saved game) that is missing or damaged. Both show the problem
// in a box captioned ERROR and halt with status 1; a damaged file is never
// called missing, which would send the player looking for it.
[[noreturn]] void ReportMissingFile(const std::string& fileName);
[[noreturn]] void ReportDamagedFile(const std::string& fileName, const std::string& problem);
// Several files missing from one folder, named together in one box.
[[noreturn]] void ReportMissingFiles(const std::string& folder, const std::vector<std::string>& fileNames);

}  // namespace vela
