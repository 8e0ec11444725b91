#pragma once

#include <exception>
#include <windows.h>

namespace win32forms {

// The program's one message loop: runs until End, and returns the exit code End gave. Throws
// std::system_error if the system cannot give it a message, or what a handler threw.
int runMessageLoop();

// Ends the message loop of the thread with the exception a handler threw, which runMessageLoop
// then throws.
void endMessageLoopWith(std::exception_ptr failure);

// One message as the loop handles it: the dialog manager first (IsDialogMessageW on the
// message's top-level window), for Tab, Shift+Tab, Space, Enter and Esc among the controls.
void dispatchMessage(MSG &message);

} // namespace win32forms
