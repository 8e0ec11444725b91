#include "forms/win32/screendpi.h"

#include "forms/win32/dpi.h"
#include "forms/win32/win32window.h"

#include <windows.h>

namespace win32forms {

unsigned ScreenDpi::value() const
{
    if (known == 0) {
        const HMONITOR primary = MonitorFromPoint(POINT {0, 0}, MONITOR_DEFAULTTOPRIMARY);
        HWND onPrimary = nullptr;
        for (HWND form : formsOfThisThread()) {
            if (MonitorFromWindow(form, MONITOR_DEFAULTTONULL) == primary) {
                onPrimary = form;
                break;
            }
        }
        known = primaryScreenDpi(onPrimary);
    }
    return known;
}

} // namespace win32forms
