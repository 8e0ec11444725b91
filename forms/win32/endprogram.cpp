#include "forms/win32/endprogram.h"

#include "forms/win32/win32window.h"

#include <cwchar>
#include <vector>

namespace win32forms {

namespace {

BOOL CALLBACK collectForm(HWND window, LPARAM forms)
{
    wchar_t className[64] {};
    GetClassNameW(window, className, 64);
    if (std::wcscmp(className, formClassName) == 0) {
        reinterpret_cast<std::vector<HWND> *>(forms)->push_back(window);
    }
    return TRUE;
}

} // namespace

void endProgram()
{
    // Collected first: destroying windows while the system enumerates them skips some.
    std::vector<HWND> forms;
    EnumThreadWindows(GetCurrentThreadId(), collectForm, reinterpret_cast<LPARAM>(&forms));
    for (HWND form : forms) {
        DestroyWindow(form);
    }
    PostQuitMessage(0);
}

} // namespace win32forms
