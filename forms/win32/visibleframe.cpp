#include "forms/win32/visibleframe.h"

#include "forms/win32/systemcall.h"

namespace win32forms {

namespace {

constexpr DWORD extendedFrameBounds = 9; // DWMWA_EXTENDED_FRAME_BOUNDS, Windows Vista

} // namespace

RECT visibleFrame(HWND window)
{
    // dwmapi is looked up rather than imported so that the program also starts where it
    // cannot be loaded.
    static const auto getAttribute = systemCall<HRESULT(WINAPI *)(HWND, DWORD, void *, DWORD)>(
        L"dwmapi.dll", "DwmGetWindowAttribute");
    RECT frame {};
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
