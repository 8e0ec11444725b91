// The yardstick for start-up on Windows: a bare Win32 program that shows one window with one
// STATIC control, up to its first painted frame. Follows the start-up protocol of
// bench/win32-startup.sh: with RESULTS_FIRST_FRAME naming a file, it writes the time of its
// first complete frame there and closes.
#include "bench/win32/firstframe.h"

#include <windows.h>

namespace {

LRESULT CALLBACK windowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show)
{
    WNDCLASSW windowClass {};
    windowClass.lpfnWndProc = windowProcedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = L"StartupBare";
    RegisterClassW(&windowClass);

    constexpr DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    RECT outer {0, 0, 606, 335};
    AdjustWindowRectEx(&outer, style, FALSE, 0);
    HWND window = CreateWindowExW(0, windowClass.lpszClassName, L"工程1", style, CW_USEDEFAULT,
        CW_USEDEFAULT, outer.right - outer.left, outer.bottom - outer.top, nullptr, nullptr,
        instance, nullptr);
    CreateWindowExW(0, L"STATIC", L"请输入身份证号和准考证号", WS_CHILD | WS_VISIBLE, 24, 24, 300,
        24, window, nullptr, instance, nullptr);
    ShowWindow(window, show);
    // Paints the window and its control now rather than when the queue runs dry.
    RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    firstframe::writeStampAndClose(window);

    MSG message {};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}
