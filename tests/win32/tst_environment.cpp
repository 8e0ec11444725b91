// Checks the Wine environment that the Windows tests run in (tests/win32/wine-prefix.sh): the
// screen DPI of the prefix, a Windows-sized desktop and window frames, a Chinese message box,
// and the Debian faces standing in for 宋体 and 黑体. Run as: tst_environment <expected dpi>
#include "tests/win32/check.h"

#include <cwchar>
#include <string>
#include <vector>
#include <windows.h>

namespace {

// The query window's client area, in pixels at 96 dpi.
constexpr int clientWidth = 606;
constexpr int clientHeight = 335;

LRESULT CALLBACK windowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return DefWindowProcW(window, message, wParam, lParam);
}

HWND createFixedSingleWindow()
{
    WNDCLASSW windowClass {};
    windowClass.lpfnWndProc = windowProcedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"EnvironmentTestWindow";
    RegisterClassW(&windowClass);

    // A fixed single border: caption, system menu, no sizing frame.
    constexpr DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    RECT outer {0, 0, clientWidth, clientHeight};
    AdjustWindowRectEx(&outer, style, FALSE, 0);
    HWND window = CreateWindowExW(0, windowClass.lpszClassName, L"工程1", style, 100, 100,
        outer.right - outer.left, outer.bottom - outer.top, nullptr, nullptr, windowClass.hInstance,
        nullptr);
    ShowWindow(window, SW_SHOWNORMAL);
    UpdateWindow(window);
    return window;
}

void checkScreenAndDpi(HWND window, int dpi)
{
    CHECK_EQ(GetSystemMetrics(SM_CXSCREEN), 1280);
    CHECK_EQ(GetSystemMetrics(SM_CYSCREEN), 1024);

    HDC screen = GetDC(nullptr);
    CHECK_EQ(GetDeviceCaps(screen, LOGPIXELSX), dpi);
    CHECK_EQ(GetDeviceCaps(screen, LOGPIXELSY), dpi);
    ReleaseDC(nullptr, screen);

    // Windows 10 1607 and later, so not in the Windows 7 headers the edition builds with.
    using GetDpiForWindowFunction = UINT(WINAPI *)(HWND);
    const auto getDpiForWindow = reinterpret_cast<GetDpiForWindowFunction>(reinterpret_cast<void *>(
        GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetDpiForWindow")));
    if (CHECK(getDpiForWindow != nullptr)) {
        CHECK_EQ(getDpiForWindow(window), static_cast<UINT>(dpi));
    }
}

void checkFrame(HWND window, int dpi)
{
    RECT client {};
    GetClientRect(window, &client);
    CHECK_EQ(client.right - client.left, clientWidth);
    CHECK_EQ(client.bottom - client.top, clientHeight);

    RECT outer {};
    GetWindowRect(window, &outer);
    std::printf("frame at %d dpi: outer %ld x %ld for the %d x %d client\n", dpi,
        outer.right - outer.left, outer.bottom - outer.top, clientWidth, clientHeight);
    if (dpi == 96) {
        // Windows' classic metrics: a 3-pixel fixed border and a 19-pixel caption.
        CHECK_EQ(outer.right - outer.left, 612);
        CHECK_EQ(outer.bottom - outer.top, 360);
    }
}

struct MessageBoxSeen
{
    DWORD process = GetCurrentProcessId();
    std::vector<std::wstring> buttons;
    bool found = false;
};

BOOL CALLBACK collectButton(HWND child, LPARAM parameter)
{
    wchar_t className[32] {};
    GetClassNameW(child, className, 32);
    if (std::wcscmp(className, L"Button") == 0 && IsWindowVisible(child)) {
        wchar_t text[64] {};
        GetWindowTextW(child, text, 64);
        reinterpret_cast<MessageBoxSeen *>(parameter)->buttons.emplace_back(text);
    }
    return TRUE;
}

// Waits for this process's message box (a #32770 dialog), reads its buttons and closes it
// with its OK command; gives up after ten seconds, which leaves the box open and the test to
// time out.
DWORD WINAPI answerMessageBox(void *parameter)
{
    auto &seen = *static_cast<MessageBoxSeen *>(parameter);
    for (int attempt = 0; attempt < 200 && !seen.found; ++attempt) {
        Sleep(50);
        for (HWND dialog = FindWindowW(L"#32770", nullptr); dialog != nullptr;
             dialog = FindWindowExW(nullptr, dialog, L"#32770", nullptr)) {
            DWORD owner = 0;
            GetWindowThreadProcessId(dialog, &owner);
            if (owner == seen.process && IsWindowVisible(dialog)) {
                EnumChildWindows(dialog, collectButton, reinterpret_cast<LPARAM>(&seen));
                seen.found = true;
                PostMessageW(dialog, WM_COMMAND, IDOK, 0);
                break;
            }
        }
    }
    return 0;
}

void checkMessageBox(HWND window)
{
    MessageBoxSeen seen;
    HANDLE answerer = CreateThread(nullptr, 0, answerMessageBox, &seen, 0, nullptr);
    const int answer = MessageBoxW(window, L"请输入正确的身份证号和准考证号！", L"工程1", MB_OK);
    WaitForSingleObject(answerer, INFINITE);
    CloseHandle(answerer);

    CHECK(seen.found);
    CHECK_EQ(answer, IDOK);
    if (CHECK_EQ(seen.buttons.size(), std::size_t {1})) {
        CHECK_EQ(seen.buttons.front(), L"确定");
    }
}

struct FaceSeen
{
    BYTE charSet = 0;
    // The font file's naming table: GetTextFaceW and the outline metrics give back the name
    // asked for, this tells which face was really chosen.
    std::vector<char> names;
};

FaceSeen selectFace(HDC context, const wchar_t *name)
{
    HFONT font = CreateFontW(-12, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, GB2312_CHARSET,
        OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
        name);
    HGDIOBJ previous = SelectObject(context, font);
    FaceSeen seen;
    TEXTMETRICW metrics {};
    GetTextMetricsW(context, &metrics);
    seen.charSet = metrics.tmCharSet;
    constexpr DWORD nameTag = 'n' | 'a' << 8 | 'm' << 16 | 'e' << 24;
    const DWORD size = GetFontData(context, nameTag, 0, nullptr, 0);
    if (size != GDI_ERROR) {
        seen.names.resize(size);
        GetFontData(context, nameTag, 0, seen.names.data(), size);
    }
    SelectObject(context, previous);
    DeleteObject(font);
    return seen;
}

// The windows are designed in 宋体 and 黑体, which Debian does not have: the prefix maps them
// to AR PL UMing CN and WenQuanYi Zen Hei, the faces whose metrics fit the designed boxes.
void checkFaces()
{
    HDC screen = GetDC(nullptr);
    const FaceSeen song = selectFace(screen, L"宋体");
    const FaceSeen simSun = selectFace(screen, L"SimSun");
    const FaceSeen uming = selectFace(screen, L"AR PL UMing CN");
    const FaceSeen hei = selectFace(screen, L"黑体");
    const FaceSeen simHei = selectFace(screen, L"SimHei");
    const FaceSeen zenhei = selectFace(screen, L"WenQuanYi Zen Hei");
    ReleaseDC(nullptr, screen);

    CHECK_EQ(song.charSet, GB2312_CHARSET);
    CHECK_EQ(hei.charSet, GB2312_CHARSET);
    CHECK(!uming.names.empty());
    CHECK(uming.names != zenhei.names);
    CHECK(song.names == uming.names);
    CHECK(simSun.names == uming.names);
    CHECK(hei.names == zenhei.names);
    CHECK(simHei.names == zenhei.names);
}

} // namespace

int wmain(int argc, wchar_t *argv[])
{
    if (argc != 2) {
        std::printf("usage: tst_environment <expected dpi>\n");
        return 2;
    }
    const int dpi = _wtoi(argv[1]);

    HWND window = createFixedSingleWindow();
    checkScreenAndDpi(window, dpi);
    checkFrame(window, dpi);
    checkMessageBox(window);
    checkFaces();
    DestroyWindow(window);
    return check::summary();
}
