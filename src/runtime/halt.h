// The ways the game procedure ends. Nothing deep in the game calls exit():
// every halt is an exception that the program entry catches, so tests can
// run whole games in-process.
#pragma once

#include <stdexcept>
#include <string>

namespace vela {

// The program ends now (quit, ending, a missing data file already reported).
struct ProgramHalt {
    int status = 0;
};

// A file that could not be read or written where the game expects to
// (fonts, the enemy table, a saved map). The entry point shows it in a
// message box and ends with a non-zero status.
struct IoError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

}  // namespace vela
