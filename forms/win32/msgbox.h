#pragma once

#include <string_view>
#include <windows.h>

namespace win32forms {

// The system's message box owned by the window: the prompt, the application title as its
// caption, one OK button in the system's own language, no icon. Returns once it is dismissed.
void showPlainOkBox(HWND owner, std::u16string_view title, std::u16string_view prompt);

} // namespace win32forms
