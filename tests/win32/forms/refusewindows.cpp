// A hook for the whole desktop that refuses to create the program's designed windows, as a
// system out of resources would. The start-up failure test installs it; Windows loads this DLL
// into the program to call it there.
#include "forms/win32/win32window.h"

#include <cwchar>
#include <windows.h>

extern "C" __declspec(dllexport) LRESULT CALLBACK
    refuseProgramWindows(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_CREATEWND) {
        wchar_t className[64] {};
        GetClassNameW(reinterpret_cast<HWND>(wParam), className, 64);
        if (std::wcscmp(className, win32forms::formClassName) == 0) {
            return 1;
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}
