#include "forms/win32/visibleframe.h"

#include "forms/win32/systemcall.h"

namespace win32forms {

namespace {

constexpr DWORD extendedFrameBounds = 9; // DWMWA_EXTENDED_FRAME_BOUNDS, Windows Vista

// Windows 10 and later draw part of the frame invisible. Before, the window rectangle is the
// frame the user sees, and dwmapi is not loaded for nothing. RtlGetVersion tells the version
// that runs whatever the manifest lists, and ntdll is always loaded.
bool hasInvisibleBorders()
{
    static const bool invisible = [] {
        const auto getVersion
            = systemCall<LONG(WINAPI *)(OSVERSIONINFOW *)>(L"ntdll.dll", "RtlGetVersion");
        OSVERSIONINFOW version {};
        version.dwOSVersionInfoSize = sizeof version;
        return getVersion == nullptr || getVersion(&version) != 0 || version.dwMajorVersion >= 10;
    }();
    return invisible;
}

} // namespace

RECT visibleFrame(HWND window)
{
    RECT frame {};
    if (!hasInvisibleBorders()) {
        GetWindowRect(window, &frame);
        return frame;
    }
    // dwmapi is looked up rather than imported so that the program also starts where it
    // cannot be loaded.
    static const auto getAttribute = systemCall<HRESULT(WINAPI *)(HWND, DWORD, void *, DWORD)>(
        L"dwmapi.dll", "DwmGetWindowAttribute");
    if (getAttribute != nullptr
        && SUCCEEDED(getAttribute(window, extendedFrameBounds, &frame, sizeof frame))
        && frame.right > frame.left && frame.bottom > frame.top) {
        return frame;
    }
    GetWindowRect(window, &frame);
    return frame;
}

void placeVisibleFrame(HWND window, const RECT &frame)
{
    RECT outer {};
    GetWindowRect(window, &outer);
    const RECT visible = visibleFrame(window);
    // The invisible borders keep their thickness when the window moves or changes size.
    const int left = frame.left - (visible.left - outer.left);
    const int top = frame.top - (visible.top - outer.top);
    const int right = frame.right + (outer.right - visible.right);
    const int bottom = frame.bottom + (outer.bottom - visible.bottom);
    SetWindowPos(window, nullptr, left, top, right - left, bottom - top,
        SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
}

} // namespace win32forms
