#pragma once

namespace win32forms {

// End: destroys every designed window of the thread, with their timers, and ends the message
// loop with exit code 0. Nothing of the program can run afterwards: every handler is reached
// through a window message, and the windows are gone.
void endProgram();

} // namespace win32forms
