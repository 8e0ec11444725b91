#include "forms/win32/dpi.h"

#include "forms/win32/systemcall.h"

#include <shellscalingapi.h>

namespace win32forms {

namespace {

unsigned systemDpi()
{
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);
    return static_cast<unsigned>(dpi);
}

using GetDpiForWindowFunction = UINT(WINAPI *)(HWND);

// Windows 10 1607.
GetDpiForWindowFunction getDpiForWindow()
{
    static const auto function
        = systemCall<GetDpiForWindowFunction>(L"user32.dll", "GetDpiForWindow");
    return function;
}

// Windows 8.1: a monitor's effective DPI, from shcore, which is looked up only where user32 does
// not answer.
unsigned monitorDpi(HMONITOR monitor)
{
    static const auto getDpiForMonitor
        = systemCall<HRESULT(WINAPI *)(HMONITOR, MONITOR_DPI_TYPE, UINT *, UINT *)>(
            L"shcore.dll", "GetDpiForMonitor");
    UINT x = 0;
    UINT y = 0;
    if (getDpiForMonitor != nullptr
        && SUCCEEDED(getDpiForMonitor(monitor, MDT_EFFECTIVE_DPI, &x, &y))) {
        return x;
    }
    return systemDpi();
}

} // namespace

unsigned windowDpi(HWND window)
{
    const UINT dpi = getDpiForWindow() != nullptr ? getDpiForWindow()(window) : 0;
    if (dpi != 0) {
        return dpi;
    }
    // Windows 8.1 and 10 before 1607: the effective DPI of the window's monitor, which the screen
    // is measured by too.
    return monitorDpi(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST));
}

unsigned primaryScreenDpi(HWND windowOnPrimary)
{
    // A window takes the DPI of the screen it is on, as GetDpiForMonitor gives it to this
    // program, so user32 answers where it can and shcore is not loaded just for this.
    if (windowOnPrimary != nullptr && getDpiForWindow() != nullptr) {
        if (const UINT dpi = getDpiForWindow()(windowOnPrimary); dpi != 0) {
            return dpi;
        }
    }
    return monitorDpi(MonitorFromPoint(POINT {0, 0}, MONITOR_DEFAULTTOPRIMARY));
}

SIZE outerSizeForClient(SIZE client, DWORD style, DWORD exStyle, unsigned dpi)
{
    // Windows 10 1607.
    static const auto adjustForDpi = systemCall<BOOL(WINAPI *)(RECT *, DWORD, BOOL, DWORD, UINT)>(
        L"user32.dll", "AdjustWindowRectExForDpi");
    RECT outer {0, 0, client.cx, client.cy};
    if (adjustForDpi != nullptr) {
        adjustForDpi(&outer, style, FALSE, exStyle, dpi);
    } else {
        AdjustWindowRectEx(&outer, style, FALSE, exStyle);
    }
    return {outer.right - outer.left, outer.bottom - outer.top};
}

} // namespace win32forms
