// Leaving the game from inside it: the end-command touch done on every exit
// and the quit that ends the program.
#pragma once

namespace vela {

// When the current folder holds "End.cmd" (any letter case), it is renamed
// to "End.com" and at once back to its own name. A rename that fails throws
// IoError; an existing "End.com" is never overwritten (that is a failure too).
void TouchEndCommand();

// The end of the end-of-game dialog: TouchEndCommand, clear the screen,
// then halt with status 0 (throws ProgramHalt).
[[noreturn]] void QuitGame();

}  // namespace vela
