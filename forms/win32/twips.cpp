#include "forms/win32/twips.h"

#include "forms/win32/dpi.h"
#include "forms/win32/win32window.h"

#include <cmath>
#include <windows.h>

namespace win32forms::twips {

int toPixels(double twips, unsigned dpi)
{
    return static_cast<int>(std::lround(twips * dpi / 1440.0));
}

float fromPixels(int pixels, unsigned dpi)
{
    return static_cast<float>(pixels * 1440.0 / dpi);
}

// Read once, when a window's geometry is first read: the query window then exists, and where it
// stands on the primary screen user32 gives its DPI without loading shcore.
unsigned screenDpi()
{
    static const unsigned dpi = [] {
        const HMONITOR primary = MonitorFromPoint(POINT {0, 0}, MONITOR_DEFAULTTOPRIMARY);
        for (HWND form : formsOfThisThread()) {
            if (MonitorFromWindow(form, MONITOR_DEFAULTTONULL) == primary) {
                return primaryScreenDpi(form);
            }
        }
        return primaryScreenDpi(nullptr);
    }();
    return dpi;
}

int fontPixels(double points, unsigned dpi)
{
    return MulDiv(static_cast<int>(std::lround(points * 100)), static_cast<int>(dpi), 7200);
}

} // namespace win32forms::twips
