// The program's two windows on real Win32 windows, under Wine or on Windows, read back from
// the window system. One group per run, so that each group starts from a fresh program:
//   tst_windows layout <dpi>   rectangles, fonts, frame, screen DPI, centring and the panel at
//                              a DPI
//   tst_windows keys           tab order, typing, Enter, Esc and Space through real input
//   tst_windows messagebox     the system's message box of a miss, with the timer ticking
//   tst_windows panel          the panel's stacking against a third window, a click on it
//   tst_windows end            End with the panel shown and never shown
//   tst_windows designs        names the design lacks, handlers that replace, the taskbar
//                              button by the design, the timer's interval, windows that cannot
//                              be made, fonts that cannot be made
//   tst_windows soak           many cycles, paints, DPI changes and ticks leak no GDI or USER
//                              object
//   tst_windows process <exe>  the program itself ends with no window and no process left
//   tst_windows startfailure <exe> <dll>
//                              the program whose window the system refuses says so and ends
//   tst_windows packed <exe>   a program packed with records 1 and 2's ticket numbers swapped
//                              (tests/tools/packedprogram.py): hit, 继续查询, miss, 退    出
//   tst_windows damaged <exe>  a damaged packed program says so in one box and ends with 1
#include "data/packed/addedlist.h"
#include "forms/win32/designfont.h"
#include "forms/win32/dpi.h"
#include "forms/win32/visibleframe.h"
#include "tests/data/bothtables.h"
#include "tests/forms/unlabelleddesign.h"
#include "tests/win32/check.h"
#include "tests/win32/forms/testprogram.h"
#include "ui/instructions/form2design.h"
#include "ui/query/form1design.h"

#include <algorithm>
#include <cmath>
#include <cwchar>
#include <map>
#include <set>
#include <stdexcept>
#include <system_error>

using namespace testprogram;

namespace {

std::string shownRect(const RECT &rect)
{
    return std::to_string(rect.left) + "," + std::to_string(rect.top) + " "
        + std::to_string(rect.right - rect.left) + "x" + std::to_string(rect.bottom - rect.top);
}

bool sameRect(const RECT &a, const RECT &b)
{
    return EqualRect(&a, &b) != FALSE;
}

#define CHECK_RECT(actual, expected)                                                               \
    check::record(sameRect((actual), (expected)), #actual " == " #expected,                        \
        ": got " + shownRect(actual) + ", expected " + shownRect(expected), __FILE__, __LINE__)

#define CHECK_TWIPS(actual, expected)                                                              \
    check::record((actual) == (expected), #actual " == " #expected,                                \
        ": got " + std::to_string(actual) + ", expected " + std::to_string(expected), __FILE__,    \
        __LINE__)

float twipsAt(long pixels, int dpi)
{
    return static_cast<float>(pixels * 1440.0 / dpi);
}

int pixels(int twips, int dpi)
{
    return static_cast<int>(std::lround(twips * dpi / 1440.0));
}

RECT designRect(const forms::ControlDesign &row, int dpi)
{
    const int left = pixels(row.left, dpi);
    const int top = pixels(row.top, dpi);
    return {left, top, left + pixels(row.width, dpi), top + pixels(row.height, dpi)};
}

// The character height of each design font in pixels as Windows rounds it.
int expectedFontHeight(double points, int dpi)
{
    static const std::map<std::pair<double, int>, int> heights {
        {{18, 96}, 24},
        {{18, 144}, 36},
        {{18, 192}, 48},
        {{15, 96}, 20},
        {{15, 144}, 30},
        {{15, 192}, 40},
        {{14.25, 96}, 19},
        {{14.25, 144}, 29},
        {{14.25, 192}, 38},
        {{12, 96}, 16},
        {{12, 144}, 24},
        {{12, 192}, 32},
    };
    return heights.at({points, dpi});
}

void checkFont(HWND control, const forms::FontDesign &design, int dpi, const char *name)
{
    LOGFONTW font {};
    HFONT handle = reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0));
    if (!check::record(handle != nullptr && GetObjectW(handle, sizeof font, &font) != 0,
            "control has a font", std::string(": ") + name, __FILE__, __LINE__)) {
        return;
    }
    CHECK_EQ(font.lfHeight, -expectedFontHeight(design.points, dpi));
    CHECK_EQ(std::wstring(font.lfFaceName), wide(design.face));
    CHECK_EQ(font.lfCharSet, BYTE {GB2312_CHARSET});
    CHECK_EQ(font.lfWeight, design.bold ? 700L : 400L);
}

std::set<std::string> visibleControls(const Program &program)
{
    std::set<std::string> names;
    for (const forms::ControlDesign &row : form1design::controls) {
        if (IsWindowVisible(program.control(row.name))) {
            names.emplace(row.name);
        }
    }
    return names;
}

const std::set<std::string> inputState {"Text1(0)", "Text1(1)", "Label1", "Label2", "Command3",
    "Label5", "Label6", "Label7", "Label8", "Command4"};
const std::set<std::string> resultState {"Text1(0)", "Text1(1)", "Text1(2)", "Text1(3)", "Label1",
    "Label2", "Label3", "Label4", "Command1", "Command2", "Label5", "Label6", "Label7", "Label8",
    "Command4"};

void checkControls(const Program &program, int dpi)
{
    HWND query = program.query();
    std::set<int> ids;
    for (const forms::ControlDesign &row : form1design::controls) {
        HWND control = program.control(row.name);
        if (!check::record(IsChild(query, control), "a child of the query window",
                std::string(": ") + std::string(row.name), __FILE__, __LINE__)) {
            continue;
        }
        CHECK_RECT(rectInParent(control), designRect(row, dpi));
        checkFont(control, row.font.value_or(*form1design::window.font), dpi,
            std::string(row.name).c_str());
        const int id = GetDlgCtrlID(control);
        CHECK(id >= 100);
        ids.insert(id);
        wchar_t className[16] {};
        GetClassNameW(control, className, 16);
        const LONG_PTR style = GetWindowLongPtrW(control, GWL_STYLE);
        switch (row.kind) {
        case forms::ControlKind::TextBox:
            CHECK_EQ(std::wstring(className), L"Edit");
            CHECK((style & ES_AUTOHSCROLL) != 0);
            CHECK((GetWindowLongPtrW(control, GWL_EXSTYLE) & WS_EX_CLIENTEDGE) != 0);
            CHECK_EQ(
                static_cast<long long>(SendMessageW(control, EM_GETLIMITTEXT, 0, 0)), 0x7FFFFFFELL);
            // Windows names a text box by the label just before it in z-order.
            CHECK(GetWindow(control, GW_HWNDPREV) == program.control(row.labelledBy));
            break;
        case forms::ControlKind::Label:
            CHECK_EQ(std::wstring(className), L"Static");
            CHECK_EQ(windowText(control), wide(row.caption));
            CHECK_EQ(static_cast<long long>(style & SS_TYPEMASK), static_cast<long long>(SS_LEFT));
            break;
        case forms::ControlKind::CommandButton:
            CHECK_EQ(std::wstring(className), L"Button");
            CHECK_EQ(windowText(control), wide(row.caption));
            CHECK((style & BS_TYPEMASK) == BS_PUSHBUTTON);
            break;
        }
    }
    CHECK_EQ(ids.size(), form1design::controls.size());
}

// Red where the design says, and the window's own background behind every label.
void checkLabelColours(const Program &program)
{
    HWND query = program.query();
    for (const forms::ControlDesign &row : form1design::controls) {
        if (row.kind != forms::ControlKind::Label) {
            continue;
        }
        HWND label = program.control(row.name);
        HDC context = GetDC(label);
        SendMessageW(query, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(context),
            reinterpret_cast<LPARAM>(label));
        const COLORREF text = GetTextColor(context);
        const COLORREF background = GetBkColor(context);
        ReleaseDC(label, context);
        CHECK_EQ(static_cast<long long>(text),
            static_cast<long long>(row.foreColor ? RGB(255, 0, 0) : GetSysColor(COLOR_WINDOWTEXT)));
        CHECK_EQ(
            static_cast<long long>(background), static_cast<long long>(GetSysColor(COLOR_BTNFACE)));
    }
}

void checkQueryWindow(const Program &program, int dpi)
{
    HWND query = program.query();
    CHECK(IsWindowVisible(query));
    CHECK_EQ(windowText(query), wide(form1design::window.caption));
    const LONG_PTR style = GetWindowLongPtrW(query, GWL_STYLE);
    CHECK((style & WS_CAPTION) == WS_CAPTION);
    CHECK((style & WS_SYSMENU) != 0);
    CHECK((style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME)) == 0);
    // Shown in the taskbar.
    CHECK((GetWindowLongPtrW(query, GWL_EXSTYLE) & WS_EX_TOOLWINDOW) == 0);
    CHECK(SendMessageW(query, WM_GETICON, ICON_BIG, 0) != 0);
    CHECK(SendMessageW(query, WM_GETICON, ICON_SMALL, 0) != 0);

    RECT client {};
    GetClientRect(query, &client);
    CHECK_EQ(client.right, static_cast<long>(pixels(9090, dpi)));
    CHECK_EQ(client.bottom, static_cast<long>(pixels(5025, dpi)));

    // Centred by the outer rectangle on the 1280 x 1024 screen, to the pixel.
    const RECT outer = windowRect(query);
    CHECK(std::abs((outer.left + outer.right) - 1280) <= 1);
    CHECK(std::abs((outer.top + outer.bottom) - 1024) <= 1);
    if (dpi == 96) {
        CHECK_EQ(outer.right - outer.left, 612L);
        CHECK_EQ(outer.bottom - outer.top, 360L);
    }
    CHECK(GetFocus() == program.control("Text1(0)"));
    CHECK(visibleControls(program) == inputState);
}

// The primary screen's DPI from the query window, which lies on that screen, is the one the
// system gives for the screen itself.
void checkScreenDpi(const Program &program, int dpi)
{
    CHECK_EQ(win32forms::primaryScreenDpi(program.query()), static_cast<unsigned>(dpi));
    CHECK_EQ(win32forms::primaryScreenDpi(nullptr), static_cast<unsigned>(dpi));
}

void checkPanel(Program &program, int dpi)
{
    HWND query = program.query();
    if (!CHECK(program.waitForPanel())) {
        return;
    }
    HWND panel = program.panel();
    CHECK(!IsWindowVisible(panel));
    CHECK((GetWindowLongPtrW(panel, GWL_STYLE) & (WS_POPUP | WS_CAPTION | WS_THICKFRAME))
        == WS_POPUP);
    CHECK((GetWindowLongPtrW(panel, GWL_EXSTYLE) & WS_EX_TOOLWINDOW) != 0);
    CHECK(GetWindow(panel, GW_OWNER) == nullptr);

    const auto checkDocked = [query, panel] {
        const RECT outer = windowRect(query);
        const RECT docked = windowRect(panel);
        const long width = outer.right - outer.left;
        CHECK_RECT(
            docked, (RECT {outer.right, outer.top, outer.right + (width + 1) / 2, outer.bottom}));
    };
    checkDocked();

    HWND label = GetWindow(panel, GW_CHILD);
    const forms::ControlDesign &instructions = form2design::controls.front();
    CHECK_EQ(windowText(label), wide(form2design::instructions));
    CHECK_RECT(rectInParent(label), designRect(instructions, dpi));
    checkFont(label, *instructions.font, dpi, "Form2 Label1");

    HWND button = program.control("Command4");
    SendMessageW(button, BM_CLICK, 0, 0);
    CHECK(IsWindowVisible(panel));
    CHECK(GetForegroundWindow() == query);
    runFor(120);
    checkDocked();

    // The panel follows a move within a tick or two.
    const RECT before = windowRect(query);
    SetWindowPos(
        query, nullptr, before.left - 97, before.top + 41, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    runUntil([query, panel] { return windowRect(panel).left == windowRect(query).right; }, 1000);
    checkDocked();
    CHECK_EQ(windowRect(query).left, before.left - 97);

    SendMessageW(button, BM_CLICK, 0, 0);
    CHECK(!IsWindowVisible(panel));
}

// Outer geometry and the screen are in twips at the primary screen's DPI.
void checkScreenTwips(const Program &program, int dpi)
{
    CHECK_EQ(program.runtime.screenDpi(), static_cast<unsigned>(dpi));
    const forms::ScreenTwips screen = program.runtime.screen();
    CHECK_TWIPS(screen.left, 0.0f);
    CHECK_TWIPS(screen.top, 0.0f);
    CHECK_TWIPS(screen.width, twipsAt(1280, dpi));
    CHECK_TWIPS(screen.height, twipsAt(1024, dpi));
}

// On a screen of another DPI than the primary's, the query window lays out its controls at its
// own DPI but keeps its outer geometry in the primary screen's twips, as the screen is: the
// tick docks the panel to the pixel instead of scaling its place by the ratio of the DPIs.
void checkGeometryOnOtherDpi(Program &program, int dpi)
{
    HWND query = program.query();
    HWND panel = program.panel();
    if (!CHECK(panel != nullptr)) {
        return;
    }
    const int otherDpi = dpi == 144 ? 96 : 144;
    RECT same = windowRect(query);
    SendMessageW(
        query, WM_DPICHANGED, MAKEWPARAM(otherDpi, otherDpi), reinterpret_cast<LPARAM>(&same));
    checkControls(program, otherDpi);
    SetWindowPos(query, nullptr, same.left + 53, same.top - 29, 0, 0,
        SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    runUntil(
        [query, panel] {
            return win32forms::visibleFrame(panel).left == win32forms::visibleFrame(query).right;
        },
        1000);

    const RECT frame = win32forms::visibleFrame(query);
    const RECT docked = win32forms::visibleFrame(panel);
    CHECK_EQ(docked.left, frame.right);
    CHECK_EQ(docked.top, frame.top);
    const forms::Window &window = program.form1->window();
    CHECK_TWIPS(window.left(), twipsAt(frame.left, dpi));
    CHECK_TWIPS(window.top(), twipsAt(frame.top, dpi));
    CHECK_TWIPS(window.width(), twipsAt(frame.right - frame.left, dpi));
    CHECK_TWIPS(window.height(), twipsAt(frame.bottom - frame.top, dpi));

    RECT back = windowRect(query);
    SendMessageW(query, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&back));
    checkControls(program, dpi);
}

void checkResultState(Program &program)
{
    const ResultTable &table = plainTable();
    SetWindowTextW(program.control("Text1(0)"), wide(table.sfzh[1117]).c_str());
    SetWindowTextW(program.control("Text1(1)"), wide(table.zkzh[1117]).c_str());
    SendMessageW(program.control("Command3"), BM_CLICK, 0, 0);
    CHECK(visibleControls(program) == resultState);
    CHECK_EQ(windowText(program.control("Text1(2)")), wide(table.xm[1117]));
    CHECK_EQ(windowText(program.control("Text1(3)")), wide(table.cj[1117]));

    SendMessageW(program.control("Command1"), BM_CLICK, 0, 0);
    CHECK(visibleControls(program) == inputState);
    for (const char *box : {"Text1(0)", "Text1(1)", "Text1(2)", "Text1(3)"}) {
        CHECK_EQ(windowText(program.control(box)), std::wstring());
    }
}

// WM_GETDPISCALEDSIZE, Windows 10 1703, which the Windows 7 headers lack.
constexpr UINT getDpiScaledSize = 0x02E4;

void checkClientDesign(HWND query, int dpi)
{
    RECT client {};
    GetClientRect(query, &client);
    CHECK_EQ(client.right, static_cast<long>(pixels(9090, dpi)));
    CHECK_EQ(client.bottom, static_cast<long>(pixels(5025, dpi)));
}

// Moved to a screen of another DPI as Windows 10 1703 and later move it: the window's size
// scaled in proportion is proposed, the window answers with its own, Windows suggests a rectangle
// of that size, and the window takes it and lays out its controls and fonts for the new DPI; the
// fonts of the old DPI are released. The caption bar and borders are those of the DPI the window
// really is at, the prefix's, so the client area is checked on the way back to it: from the
// other DPI's size scaled in proportion, it must again be the design's.
void checkDpiChange(Program &program, int dpi)
{
    HWND query = program.query();
    const auto moveTo = [query](int fromDpi, int toDpi) {
        const RECT before = windowRect(query);
        SIZE size {MulDiv(before.right - before.left, toDpi, fromDpi),
            MulDiv(before.bottom - before.top, toDpi, fromDpi)};
        CHECK(SendMessageW(query, getDpiScaledSize, static_cast<WPARAM>(toDpi),
                  reinterpret_cast<LPARAM>(&size))
            != FALSE);
        const RECT suggested {before.left, before.top, before.left + size.cx, before.top + size.cy};
        SendMessageW(
            query, WM_DPICHANGED, MAKEWPARAM(toDpi, toDpi), reinterpret_cast<LPARAM>(&suggested));
        CHECK_RECT(windowRect(query), suggested);
    };
    const int newDpi = dpi == 192 ? 96 : 192;
    const RECT before = windowRect(query);
    moveTo(dpi, newDpi);
    checkControls(program, newDpi);

    moveTo(newDpi, dpi);
    checkClientDesign(query, dpi);
    CHECK_RECT(windowRect(query), before);
    checkControls(program, dpi);
}

int layout(int dpi)
{
    Program program;
    runFor(100);
    checkQueryWindow(program, dpi);
    checkScreenDpi(program, dpi);
    checkControls(program, dpi);
    checkLabelColours(program);
    checkPanel(program, dpi);
    checkScreenTwips(program, dpi);
    checkGeometryOnOtherDpi(program, dpi);
    checkResultState(program);
    checkDpiChange(program, dpi);
    return check::summary();
}

// The state's controls are shown, and the focus is on one of them: a control hidden with the
// focus hands it on.
bool inState(const Program &program, const std::set<std::string> &state)
{
    HWND focus = GetFocus();
    return visibleControls(program) == state && IsChild(program.query(), focus)
        && IsWindowVisible(focus);
}

std::vector<std::string> tabCycle(const Program &program, int steps)
{
    std::map<HWND, std::string> names;
    for (const forms::ControlDesign &row : form1design::controls) {
        names[program.control(row.name)] = row.name;
    }
    std::vector<std::string> seen {names[GetFocus()]};
    for (int step = 0; step < steps; ++step) {
        press(VK_TAB);
        seen.push_back(names.contains(GetFocus()) ? names[GetFocus()] : "?");
    }
    return seen;
}

std::wstring joined(const std::vector<std::string> &names)
{
    std::string all;
    for (const std::string &name : names) {
        all += name + " ";
    }
    return {all.begin(), all.end()};
}

int keys()
{
    std::vector<std::u16string> prompts;
    Program program(
        {[&prompts](HWND, std::u16string_view prompt) { prompts.emplace_back(prompt); }});
    HWND query = program.query();
    SetForegroundWindow(query);
    runUntil([query] { return GetForegroundWindow() == query; });
    CHECK(GetFocus() == program.control("Text1(0)"));

    CHECK_EQ(joined(tabCycle(program, 4)), L"Text1(0) Text1(1) Command3 Command4 Text1(0) ");
    pressShifted(VK_TAB);
    CHECK(GetFocus() == program.control("Command4"));
    press(VK_TAB);

    const ResultTable &table = plainTable();
    const std::wstring id = wide(table.sfzh[97]);
    const std::wstring ticket = wide(table.zkzh[97]);
    type(L"12345");
    clearFocusedBox();
    CHECK_EQ(windowText(program.control("Text1(0)")), std::wstring());
    type(id);
    press(VK_TAB);
    type(ticket);
    CHECK_EQ(windowText(program.control("Text1(0)")), id);
    CHECK_EQ(windowText(program.control("Text1(1)")), ticket);

    // Enter and Esc in a text box click nothing, though both numbers would be a hit.
    press(VK_RETURN);
    press(VK_ESCAPE);
    CHECK(inState(program, inputState));
    CHECK(prompts.empty());
    CHECK(GetFocus() == program.control("Text1(1)"));
    CHECK_EQ(windowText(program.control("Text1(1)")), ticket);

    // Space clicks the focused "确    定".
    press(VK_TAB);
    CHECK(GetFocus() == program.control("Command3"));
    press(VK_SPACE);
    CHECK(inState(program, resultState));
    CHECK_EQ(windowText(program.control("Text1(2)")), wide(table.xm[97]));
    CHECK_EQ(windowText(program.control("Text1(3)")), wide(table.cj[97]));

    SetFocus(program.control("Text1(0)"));
    CHECK_EQ(joined(tabCycle(program, 7)),
        L"Text1(0) Text1(1) Text1(2) Text1(3) Command1 Command2 Command4 Text1(0) ");
    // Enter clicks the focused "继续查询".
    SetFocus(program.control("Command1"));
    press(VK_RETURN);
    CHECK(inState(program, inputState));
    CHECK_EQ(windowText(program.control("Text1(0)")), std::wstring());

    // A miss: the message, and both boxes emptied.
    SetFocus(program.control("Text1(0)"));
    type(id);
    press(VK_TAB);
    type(wide(table.zkzh[98]));
    press(VK_TAB);
    press(VK_RETURN);
    if (CHECK_EQ(prompts.size(), std::size_t {1})) {
        CHECK_EQ(wide(prompts.front()), wide(form1design::noMatchPrompt));
    }
    CHECK_EQ(windowText(program.control("Text1(0)")), std::wstring());
    CHECK_EQ(windowText(program.control("Text1(1)")), std::wstring());
    CHECK(inState(program, inputState));

    // Space on the narrow button shows the panel and keeps the keyboard in the query window.
    if (CHECK(program.waitForPanel())) {
        SetFocus(program.control("Command4"));
        press(VK_SPACE);
        CHECK(IsWindowVisible(program.panel()));
        CHECK(GetFocus() == program.control("Command4"));
        press(VK_SPACE);
        CHECK(!IsWindowVisible(program.panel()));
    }
    return check::summary();
}

struct MessageBoxSeen
{
    HWND query = nullptr;
    HWND panel = nullptr;
    // While the box is open: the query window's rectangle, whether a tick docked the moved
    // panel again, and whether the box stayed above the panel.
    RECT queryRect {};
    bool docked = false;
    bool boxAbovePanel = false;
    HWND owner = nullptr;
    std::wstring caption;
    std::wstring text;
    std::vector<std::wstring> buttons;
    int icons = 0;
    bool found = false;
};

BOOL CALLBACK readBoxChild(HWND child, LPARAM parameter)
{
    auto &seen = *reinterpret_cast<MessageBoxSeen *>(parameter);
    wchar_t className[32] {};
    GetClassNameW(child, className, 32);
    if (!IsWindowVisible(child)) {
        return TRUE;
    }
    if (std::wcscmp(className, L"Button") == 0) {
        seen.buttons.push_back(windowText(child));
    } else if (std::wcscmp(className, L"Static") == 0) {
        if ((GetWindowLongPtrW(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON) {
            // Wine's box keeps an icon control that holds no icon when none is asked for.
            seen.icons += SendMessageW(child, STM_GETICON, 0, 0) != 0 ? 1 : 0;
        } else if (GetWindowTextLengthW(child) > 0) {
            seen.text = windowText(child);
        }
    }
    return TRUE;
}

// Whether the first window is above the second in z-order.
bool above(HWND upper, HWND lower)
{
    for (HWND window = GetWindow(lower, GW_HWNDPREV); window != nullptr;
         window = GetWindow(window, GW_HWNDPREV)) {
        if (window == upper) {
            return true;
        }
    }
    return false;
}

// The timer keeps ticking while the box is open: the panel, moved away, is docked again, and
// stays below the box; the query window does not change.
void watchTicks(HWND box, MessageBoxSeen &seen)
{
    const RECT panel = windowRect(seen.panel);
    SetWindowPos(seen.panel, nullptr, panel.left + 40, panel.top, 0, 0,
        SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    for (int attempt = 0; attempt < 100 && !seen.docked; ++attempt) {
        Sleep(20);
        seen.docked = windowRect(seen.panel).left == windowRect(seen.query).right;
    }
    Sleep(200);
    seen.boxAbovePanel = above(box, seen.panel);
    seen.queryRect = windowRect(seen.query);
}

// Finds this process's message box (#32770), reads it and presses its button.
DWORD WINAPI answerMessageBox(void *parameter)
{
    auto &seen = *static_cast<MessageBoxSeen *>(parameter);
    for (int attempt = 0; attempt < 200 && !seen.found; ++attempt) {
        Sleep(50);
        for (HWND box = FindWindowW(L"#32770", nullptr); box != nullptr;
             box = FindWindowExW(nullptr, box, L"#32770", nullptr)) {
            DWORD process = 0;
            GetWindowThreadProcessId(box, &process);
            if (process == GetCurrentProcessId() && IsWindowVisible(box)) {
                seen.owner = GetWindow(box, GW_OWNER);
                seen.caption = windowText(box);
                EnumChildWindows(box, readBoxChild, reinterpret_cast<LPARAM>(&seen));
                watchTicks(box, seen);
                seen.found = true;
                PostMessageW(box, WM_COMMAND, IDOK, 0);
                break;
            }
        }
    }
    return 0;
}

int messageBox()
{
    Program program;
    if (!CHECK(program.waitForPanel())) {
        return check::summary();
    }
    SendMessageW(program.control("Command4"), BM_CLICK, 0, 0);
    SetWindowTextW(program.control("Text1(0)"), L"110101199001011234");
    SetWindowTextW(program.control("Text1(1)"), L"12345678901");
    MessageBoxSeen seen;
    seen.query = program.query();
    seen.panel = program.panel();
    const RECT queryRect = windowRect(program.query());
    HANDLE answerer = CreateThread(nullptr, 0, answerMessageBox, &seen, 0, nullptr);
    SendMessageW(program.control("Command3"), BM_CLICK, 0, 0);
    WaitForSingleObject(answerer, INFINITE);
    CloseHandle(answerer);

    if (CHECK(seen.found)) {
        CHECK(seen.owner == program.query());
        CHECK_EQ(seen.caption, L"工程1");
        CHECK_EQ(seen.text, wide(form1design::noMatchPrompt));
        CHECK_EQ(seen.icons, 0);
        if (CHECK_EQ(seen.buttons.size(), std::size_t {1})) {
            CHECK_EQ(seen.buttons.front(), L"确定");
        }
        CHECK(seen.docked);
        CHECK(seen.boxAbovePanel);
        CHECK_RECT(seen.queryRect, queryRect);
    }
    CHECK_EQ(windowText(program.control("Text1(0)")), std::wstring());
    CHECK_EQ(windowText(program.control("Text1(1)")), std::wstring());
    return check::summary();
}

// A plain window of another program's kind, over both of the program's windows.
HWND createThirdWindow(const RECT &over)
{
    WNDCLASSEXW thirdClass {};
    thirdClass.cbSize = sizeof thirdClass;
    thirdClass.lpfnWndProc = DefWindowProcW;
    thirdClass.hInstance = GetModuleHandleW(nullptr);
    thirdClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    thirdClass.lpszClassName = L"ThirdWindow";
    RegisterClassExW(&thirdClass);
    return CreateWindowExW(0, L"ThirdWindow", L"third", WS_OVERLAPPEDWINDOW | WS_VISIBLE, over.left,
        over.top, over.right - over.left, over.bottom - over.top, nullptr, nullptr,
        thirdClass.hInstance, nullptr);
}

// A left click at a point of the screen through the system's input queue.
void clickAt(POINT point)
{
    const int width = GetSystemMetrics(SM_CXSCREEN);
    const int height = GetSystemMetrics(SM_CYSCREEN);
    INPUT inputs[3] {};
    for (INPUT &input : inputs) {
        input.type = INPUT_MOUSE;
        input.mi.dx = MulDiv(point.x, 65535, width - 1);
        input.mi.dy = MulDiv(point.y, 65535, height - 1);
    }
    inputs[0].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    inputs[1].mi.dwFlags = MOUSEEVENTF_LEFTDOWN | MOUSEEVENTF_ABSOLUTE;
    inputs[2].mi.dwFlags = MOUSEEVENTF_LEFTUP | MOUSEEVENTF_ABSOLUTE;
    SendInput(3, inputs, sizeof(INPUT));
    runUntilInputHandled();
}

// The shown panel keeps with the query window in z-order as a third window comes and goes: it
// never lies above a window that covers the query window, and the tick brings it back just
// above the query window when that comes forward. A click on it leaves the query window active
// and the keyboard in its box.
int panel()
{
    Program program;
    HWND query = program.query();
    SetForegroundWindow(query);
    runUntil([query] { return GetForegroundWindow() == query; });
    if (!CHECK(program.waitForPanel())) {
        return check::summary();
    }
    HWND panel = program.panel();
    SendMessageW(program.control("Command4"), BM_CLICK, 0, 0);
    CHECK(IsWindowVisible(panel));
    CHECK(GetWindow(query, GW_HWNDPREV) == panel);

    const RECT both {windowRect(query).left, windowRect(query).top, windowRect(panel).right,
        windowRect(query).bottom};
    HWND third = createThirdWindow(both);
    runFor(200);
    CHECK(above(third, panel));
    CHECK(GetWindow(query, GW_HWNDPREV) == panel);

    // Forward as by its taskbar button: the query window alone comes to the top.
    SetWindowPos(query, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    SetForegroundWindow(query);
    CHECK(runUntil([query, panel, third] {
        return GetWindow(query, GW_HWNDPREV) == panel && above(panel, third);
    }));
    CHECK(above(query, third));

    // Covered again: the panel stays beneath the cover, tick after tick.
    SetWindowPos(third, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    runFor(200);
    CHECK(above(third, panel));
    CHECK(GetWindow(query, GW_HWNDPREV) == panel);
    DestroyWindow(third);

    SetForegroundWindow(query);
    runUntil([query] { return GetForegroundWindow() == query; });
    SetFocus(program.control("Text1(0)"));
    const RECT area = windowRect(panel);
    clickAt({(area.left + area.right) / 2, (area.top + area.bottom) / 2});
    CHECK(GetForegroundWindow() == query);
    CHECK(GetActiveWindow() == query);
    type(L"7");
    CHECK(runUntil([&program] { return windowText(program.control("Text1(0)")) == L"7"; }));
    return check::summary();
}

BOOL CALLBACK countWindow(HWND, LPARAM count)
{
    ++*reinterpret_cast<DWORD *>(count);
    return TRUE;
}

DWORD threadWindows()
{
    DWORD count = 0;
    EnumThreadWindows(GetCurrentThreadId(), countWindow, reinterpret_cast<LPARAM>(&count));
    return count;
}

// The loop after End: it must end at once, with exit code 0.
void checkLoopEnds()
{
    const ULONGLONG start = GetTickCount64();
    PostMessageW(nullptr, WM_NULL, 0, 0);
    CHECK_EQ(win32forms::runMessageLoop(), 0);
    CHECK(GetTickCount64() - start < 1000);
}

int end()
{
    {
        Program program;
        if (CHECK(program.waitForPanel())) {
            SendMessageW(program.control("Command4"), BM_CLICK, 0, 0);
            CHECK(IsWindowVisible(program.panel()));
        }
        HWND query = program.query();
        HWND panel = program.panel();
        SendMessageW(program.control("Command2"), BM_CLICK, 0, 0);
        CHECK(!IsWindow(query));
        CHECK(!IsWindow(panel));
        CHECK_EQ(threadWindows(), DWORD {0});
        checkLoopEnds();
    }
    {
        // Closed by its close box before the first tick: the panel was never made.
        Program program;
        HWND query = program.query();
        CHECK(program.panel() == nullptr);
        SendMessageW(query, WM_SYSCOMMAND, SC_CLOSE, 0);
        CHECK(!IsWindow(query));
        CHECK(program.panel() == nullptr);
        CHECK_EQ(threadWindows(), DWORD {0});
        checkLoopEnds();
    }
    {
        // Closed with the panel made but hidden.
        Program program;
        CHECK(program.waitForPanel());
        HWND panel = program.panel();
        SendMessageW(program.query(), WM_SYSCOMMAND, SC_CLOSE, 0);
        CHECK(!IsWindow(panel));
        CHECK_EQ(threadWindows(), DWORD {0});
        checkLoopEnds();
    }
    return check::summary();
}

template<typename Action> bool throwsOutOfRange(const Action &action)
{
    try {
        action();
    } catch (const std::out_of_range &) {
        return true;
    }
    return false;
}

// A name the design lacks throws, as in the other runtimes, and a text box labelled by a
// missing label makes no window at all.
void checkMissingNames()
{
    win32forms::ScreenDpi screenDpi;
    win32forms::Win32Window query(form1design::window, screenDpi);
    CHECK(throwsOutOfRange([&query] { query.control("Text9"); }));
    CHECK(throwsOutOfRange([&query] { query.control(""); }));

    const forms::WindowDesign unlabelled = unlabelleddesign::window();
    const DWORD windows = threadWindows();
    CHECK(throwsOutOfRange(
        [&unlabelled, &screenDpi] { win32forms::Win32Window broken(unlabelled, screenDpi); }));
    CHECK_EQ(threadWindows(), windows);
}

// A click or timer handler replaces the one set before, and a window without a timer refuses a
// timer handler, as in the other runtimes.
void checkHandlersReplace()
{
    win32forms::ScreenDpi screenDpi;
    win32forms::Win32Window query(form1design::window, screenDpi);
    int first = 0;
    int second = 0;
    query.control("Command3").onClick([&first] { ++first; });
    query.control("Command3").onClick([&second] { ++second; });
    HWND button = dynamic_cast<win32forms::Win32Control &>(query.control("Command3")).handle();
    SendMessageW(query.handle(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(button), BN_CLICKED),
        reinterpret_cast<LPARAM>(button));
    CHECK_EQ(first, 0);
    CHECK_EQ(second, 1);

    int firstTicks = 0;
    int secondTicks = 0;
    query.onTimer([&firstTicks] { ++firstTicks; });
    query.onTimer([&secondTicks] { ++secondTicks; });
    // The design's timer has the ID 1.
    SendMessageW(query.handle(), WM_TIMER, 1, 0);
    CHECK_EQ(firstTicks, 0);
    CHECK_EQ(secondTicks, 1);

    win32forms::Win32Window panel(form2design::window, screenDpi);
    bool refused = false;
    try {
        panel.onTimer([] {});
    } catch (const std::logic_error &) {
        refused = true;
    }
    CHECK(refused);
}

// The taskbar button follows the design's showInTaskbar whatever the border, and a framed tool
// window's smaller caption bar still leaves the designed client area.
void checkTaskbarButton(forms::BorderStyle border, bool showInTaskbar)
{
    forms::WindowDesign design = form1design::window;
    design.borderStyle = border;
    design.showInTaskbar = showInTaskbar;
    win32forms::ScreenDpi screenDpi;
    const win32forms::Win32Window window(design, screenDpi);
    const bool toolWindow
        = (GetWindowLongPtrW(window.handle(), GWL_EXSTYLE) & WS_EX_TOOLWINDOW) != 0;
    check::record(toolWindow != showInTaskbar, "a tool window exactly when not in the taskbar",
        std::string(": border ") + (border == forms::BorderStyle::None ? "none" : "fixed single")
            + ", showInTaskbar " + (showInTaskbar ? "true" : "false"),
        __FILE__, __LINE__);
    RECT client {};
    GetClientRect(window.handle(), &client);
    CHECK_EQ(client.right, static_cast<long>(pixels(9090, 96)));
    CHECK_EQ(client.bottom, static_cast<long>(pixels(5025, 96)));
}

// The class whose windows the hook below refuses to create, as a system out of resources would.
std::wstring refusedClass;

LRESULT CALLBACK refuseCreation(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_CREATEWND) {
        wchar_t className[64] {};
        GetClassNameW(reinterpret_cast<HWND>(wParam), className, 64);
        if (_wcsicmp(className, refusedClass.c_str()) == 0) {
            return 1;
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

// A window or control the system refuses to create stops the start-up with a system error that
// names the call, and leaves no window behind, rather than a program without windows whose
// message loop nothing could end.
void checkCreationFails()
{
    for (const wchar_t *className : {win32forms::formClassName, L"Edit", L"Button", L"Static"}) {
        refusedClass = className;
        const DWORD windows = threadWindows();
        HHOOK hook = SetWindowsHookExW(WH_CBT, refuseCreation, nullptr, GetCurrentThreadId());
        std::string what = "no error";
        try {
            const Program program;
        } catch (const std::system_error &error) {
            what = error.code().category() == std::system_category() ? error.what()
                                                                     : "not a system error";
        }
        UnhookWindowsHookEx(hook);
        check::record(what.starts_with("CreateWindowExW ("), "a system error of CreateWindowExW",
            ": " + what + ", refusing " + check::utf8(className), __FILE__, __LINE__);
        CHECK_EQ(threadWindows(), windows);
    }
}

// A panel the tick cannot make ends the message loop, which throws the error on.
void checkTickFails()
{
    const Program program;
    refusedClass = L"Static";
    HHOOK hook = SetWindowsHookExW(WH_CBT, refuseCreation, nullptr, GetCurrentThreadId());
    // Should the loop go on, a guard ends it.
    const UINT_PTR guard
        = SetTimer(nullptr, 0, 3000, [](HWND, UINT, UINT_PTR, DWORD) { PostQuitMessage(0); });
    std::string what = "no error";
    try {
        win32forms::runMessageLoop();
    } catch (const std::system_error &error) {
        what = error.what();
    }
    KillTimer(nullptr, guard);
    UnhookWindowsHookEx(hook);
    check::record(what.starts_with("CreateWindowExW (control Label1)"),
        "the loop ends with the error", ": " + what, __FILE__, __LINE__);
    CHECK(program.panel() == nullptr);
}

// The design's 50 ms, read from the ticks: the shortest of several intervals, since a busy
// system may delay a tick but never brings one early.
void checkTimerInterval()
{
    win32forms::Win32Runtime runtime(projectsettings::identity);
    const std::unique_ptr<forms::Window> query = runtime.createWindow(form1design::window, nullptr);
    std::vector<ULONGLONG> ticks;
    query->onTimer([&ticks] { ticks.push_back(GetTickCount64()); });
    if (!CHECK(runUntil([&ticks] { return ticks.size() >= 8; }, 10000))) {
        return;
    }
    ULONGLONG shortest = ~ULONGLONG {0};
    for (std::size_t i = 1; i < ticks.size(); ++i) {
        shortest = std::min(shortest, ticks[i] - ticks[i - 1]);
    }
    check::record(shortest >= 40 && shortest <= 120, "ticks every 50 ms",
        ": the shortest interval is " + std::to_string(shortest) + " ms", __FILE__, __LINE__);
}

// Where no font can be made at a new DPI, with the process's GDI objects used up, every control
// keeps the font it has, alive; with objects to spare, the next change makes the fonts anew.
void checkFontsKeptWhenNoneCanBeMade()
{
    win32forms::ScreenDpi screenDpi;
    win32forms::Win32Window query(form1design::window, screenDpi);
    HWND handle = query.handle();
    const auto checkFonts = [&query](int dpi) {
        for (const forms::ControlDesign &row : form1design::controls) {
            checkFont(static_cast<win32forms::Win32Control &>(query.control(row.name)).handle(),
                row.font.value_or(*form1design::window.font), dpi, std::string(row.name).c_str());
        }
    };
    const auto changeDpi = [handle](int dpi) {
        RECT same = windowRect(handle);
        SendMessageW(handle, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&same));
    };

    std::vector<HBRUSH> brushes;
    while (HBRUSH brush = CreateSolidBrush(RGB(1, 2, 3))) {
        brushes.push_back(brush);
    }
    CHECK(!win32forms::createDesignFont(*form1design::window.font, 144));
    changeDpi(144);
    checkFonts(96);
    for (HBRUSH brush : brushes) {
        DeleteObject(brush);
    }
    changeDpi(192);
    checkFonts(192);
}

int designs()
{
    checkMissingNames();
    checkHandlersReplace();
    checkTimerInterval();
    checkCreationFails();
    checkTickFails();
    checkFontsKeptWhenNoneCanBeMade();
    for (const forms::BorderStyle border :
        {forms::BorderStyle::FixedSingle, forms::BorderStyle::None}) {
        checkTaskbarButton(border, true);
        checkTaskbarButton(border, false);
    }
    return check::summary();
}

BOOL CALLBACK countChildren(HWND window, LPARAM count)
{
    ++*reinterpret_cast<DWORD *>(count);
    EnumChildWindows(window, countWindow, count);
    return TRUE;
}

// The process's GDI and USER objects. Windows counts them (GetGuiResources); Wine answers 0,
// so there the GDI objects are counted by their handle slots (Wine's GetObjectType takes a
// handle's slot number alone as the handle of whatever lives in the slot), and the USER
// objects as the thread's windows, where a leaked control or panel would show.
struct GuiObjects
{
    DWORD gdi = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    DWORD user = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS);

    GuiObjects()
    {
        if (gdi == 0) {
            for (ULONG_PTR slot = 1; slot <= 0xFFFF; ++slot) {
                gdi += GetObjectType(reinterpret_cast<HGDIOBJ>(slot)) != 0 ? 1 : 0;
            }
        }
        if (user == 0) {
            EnumThreadWindows(GetCurrentThreadId(), countChildren, reinterpret_cast<LPARAM>(&user));
        }
    }
};

int soak()
{
    int misses = 0;
    Program program({[&misses](HWND, std::u16string_view) { ++misses; }});
    CHECK(program.waitForPanel());
    const ResultTable &table = plainTable();
    HWND id = program.control("Text1(0)");
    HWND ticket = program.control("Text1(1)");
    const auto cycle = [&](int i) {
        const auto record = static_cast<std::size_t>(1 + i % 1117);
        SetWindowTextW(id, wide(table.sfzh[record]).c_str());
        SetWindowTextW(ticket, wide(table.zkzh[record]).c_str());
        SendMessageW(program.control("Command3"), BM_CLICK, 0, 0);
        SendMessageW(program.control("Command1"), BM_CLICK, 0, 0);
        SetWindowTextW(id, wide(table.sfzh[record]).c_str());
        SetWindowTextW(ticket, L"00000000000");
        SendMessageW(program.control("Command3"), BM_CLICK, 0, 0);
        SendMessageW(program.control("Command4"), BM_CLICK, 0, 0);
        // Every tenth cycle there and back to another DPI: new fonts and icons, and the old
        // ones released.
        if (i % 10 == 0) {
            for (const int dpi : {144, 96}) {
                RECT same = windowRect(program.query());
                SendMessageW(program.query(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi),
                    reinterpret_cast<LPARAM>(&same));
            }
        }
        // Every window paints what changed.
        runFor(0);
    };
    // Each cycle paints, under Wine about 30 ms; a paint-time leak of one object per label
    // shows hundreds of objects within these.
    constexpr int cycles = 2000;
    for (int i = 0; i < 50; ++i) {
        cycle(i);
    }
    const GuiObjects before;
    // GetGuiResources counts this process's objects; zero would make the comparison empty.
    CHECK(before.gdi > 0);
    CHECK(before.user > 0);
    for (int i = 50; i < cycles; ++i) {
        cycle(i);
    }
    CHECK_EQ(misses, cycles);
    for (int tick = 0; tick < 10000; ++tick) {
        SendMessageW(program.query(), WM_TIMER, 1, 0);
    }
    runFor(100);
    const GuiObjects after;
    std::printf("GDI objects %lu -> %lu, USER objects %lu -> %lu\n", before.gdi, after.gdi,
        before.user, after.user);
    CHECK(after.gdi <= before.gdi);
    CHECK(after.user <= before.user);
    CHECK(visibleControls(program) == inputState);
    CHECK_EQ(windowRect(program.panel()).left, windowRect(program.query()).right);
    return check::summary();
}

// A window of the program's process: the query window (framed), or with `panel` the shown
// panel (frameless).
struct ProcessForm
{
    DWORD process;
    bool panel = false;
    HWND found = nullptr;
};

BOOL CALLBACK findProcessForm(HWND window, LPARAM parameter)
{
    auto &wanted = *reinterpret_cast<ProcessForm *>(parameter);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    wchar_t className[64] {};
    GetClassNameW(window, className, 64);
    const bool framed = (GetWindowLongPtrW(window, GWL_STYLE) & WS_CAPTION) == WS_CAPTION;
    if (process == wanted.process && std::wcscmp(className, win32forms::formClassName) == 0
        && (wanted.panel ? !framed && IsWindowVisible(window) : framed)) {
        wanted.found = window;
        return FALSE;
    }
    return TRUE;
}

BOOL CALLBACK findCaption(HWND child, LPARAM parameter)
{
    auto &found = *reinterpret_cast<std::pair<const wchar_t *, HWND> *>(parameter);
    if (windowText(child) == found.first) {
        found.second = child;
        return FALSE;
    }
    return TRUE;
}

// The program itself: closed with the panel shown, it leaves no window and its process ends
// with exit code 0.
int process(const wchar_t *exe)
{
    std::wstring command = L"\"" + std::wstring(exe) + L"\"";
    STARTUPINFOW startup {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started {};
    if (!CHECK(CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
            &startup, &started))) {
        return check::summary();
    }
    WaitForInputIdle(started.hProcess, 10000);
    ProcessForm query {started.dwProcessId};
    for (int attempt = 0; attempt < 100 && query.found == nullptr; ++attempt) {
        EnumWindows(findProcessForm, reinterpret_cast<LPARAM>(&query));
        Sleep(50);
    }
    if (CHECK(query.found != nullptr)) {
        std::pair<const wchar_t *, HWND> button {L"软件使用说明", nullptr};
        EnumChildWindows(query.found, findCaption, reinterpret_cast<LPARAM>(&button));
        if (CHECK(button.second != nullptr)) {
            PostMessageW(button.second, BM_CLICK, 0, 0);
        }
        ProcessForm panel {started.dwProcessId, true};
        for (int attempt = 0; attempt < 100 && panel.found == nullptr; ++attempt) {
            Sleep(50);
            EnumWindows(findProcessForm, reinterpret_cast<LPARAM>(&panel));
        }
        CHECK(panel.found != nullptr);
        PostMessageW(query.found, WM_CLOSE, 0, 0);
    }
    CHECK_EQ(WaitForSingleObject(started.hProcess, 10000), WAIT_OBJECT_0);
    DWORD exitCode = STILL_ACTIVE;
    GetExitCodeProcess(started.hProcess, &exitCode);
    CHECK_EQ(exitCode, DWORD {0});
    ProcessForm left {started.dwProcessId};
    EnumWindows(findProcessForm, reinterpret_cast<LPARAM>(&left));
    CHECK(left.found == nullptr);
    CloseHandle(started.hThread);
    CloseHandle(started.hProcess);
    return check::summary();
}

// The box of the process, once it shows one, read and answered with OK.
MessageBoxSeen answerBoxOf(DWORD process)
{
    MessageBoxSeen seen;
    for (int attempt = 0; attempt < 200 && !seen.found; ++attempt) {
        Sleep(50);
        for (HWND box = FindWindowW(L"#32770", nullptr); box != nullptr;
             box = FindWindowExW(nullptr, box, L"#32770", nullptr)) {
            DWORD owner = 0;
            GetWindowThreadProcessId(box, &owner);
            if (owner == process && IsWindowVisible(box)) {
                seen.caption = windowText(box);
                EnumChildWindows(box, readBoxChild, reinterpret_cast<LPARAM>(&seen));
                seen.found = true;
                PostMessageW(box, WM_COMMAND, IDOK, 0);
                break;
            }
        }
    }
    return seen;
}

// The program itself, when the system refuses to create its window: rather than run on with no
// window, it shows one box that names what failed, and ends with a non-zero exit code.
int startFailure(const wchar_t *exe, const wchar_t *dll)
{
    HMODULE hookModule = LoadLibraryW(dll);
    const auto refuse = reinterpret_cast<HOOKPROC>(
        reinterpret_cast<void *>(GetProcAddress(hookModule, "refuseProgramWindows")));
    HHOOK hook = refuse != nullptr ? SetWindowsHookExW(WH_CBT, refuse, hookModule, 0) : nullptr;
    if (!CHECK(hook != nullptr)) {
        return check::summary();
    }
    std::wstring command = L"\"" + std::wstring(exe) + L"\"";
    STARTUPINFOW startup {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started {};
    if (CHECK(CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
            &startup, &started))) {
        const MessageBoxSeen seen = answerBoxOf(started.dwProcessId);
        if (CHECK(seen.found)) {
            CHECK_EQ(seen.caption, L"工程1");
            check::record(seen.text.find(L"CreateWindowExW (window Form1)") != std::wstring::npos,
                "the box names the call and the window", ": " + check::utf8(seen.text), __FILE__,
                __LINE__);
        }
        CHECK_EQ(WaitForSingleObject(started.hProcess, 10000), WAIT_OBJECT_0);
        DWORD exitCode = STILL_ACTIVE;
        GetExitCodeProcess(started.hProcess, &exitCode);
        CHECK_EQ(exitCode, DWORD {1});
        if (exitCode == STILL_ACTIVE) {
            TerminateProcess(started.hProcess, 1);
        }
        CloseHandle(started.hThread);
        CloseHandle(started.hProcess);
    }
    UnhookWindowsHookEx(hook);
    return check::summary();
}

// The program started as a process of its own, ended however the check ends.
struct StartedProgram
{
    PROCESS_INFORMATION started {};
    bool running = false;

    explicit StartedProgram(const wchar_t *exe)
    {
        std::wstring command = L"\"" + std::wstring(exe) + L"\"";
        STARTUPINFOW startup {};
        startup.cb = sizeof startup;
        running = CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr,
            nullptr, &startup, &started);
    }
    ~StartedProgram()
    {
        if (running) {
            if (WaitForSingleObject(started.hProcess, 0) == WAIT_TIMEOUT) {
                TerminateProcess(started.hProcess, 1);
            }
            CloseHandle(started.hThread);
            CloseHandle(started.hProcess);
        }
    }
    StartedProgram(const StartedProgram &) = delete;
    StartedProgram &operator=(const StartedProgram &) = delete;

    DWORD exitCode() const
    {
        CHECK_EQ(WaitForSingleObject(started.hProcess, 10000), WAIT_OBJECT_0);
        DWORD code = STILL_ACTIVE;
        GetExitCodeProcess(started.hProcess, &code);
        return code;
    }
};

HWND processQueryWindow(DWORD process)
{
    ProcessForm query {process};
    for (int attempt = 0; attempt < 100 && query.found == nullptr; ++attempt) {
        EnumWindows(findProcessForm, reinterpret_cast<LPARAM>(&query));
        Sleep(50);
    }
    return query.found;
}

BOOL CALLBACK collectTextBox(HWND child, LPARAM parameter)
{
    wchar_t className[16] {};
    GetClassNameW(child, className, 16);
    if (std::wcscmp(className, L"Edit") == 0) {
        reinterpret_cast<std::vector<HWND> *>(parameter)->push_back(child);
    }
    return TRUE;
}

// Text1(0) to Text1(3): the window's text boxes, in the order they were made.
HWND textBox(HWND query, std::size_t index)
{
    std::vector<HWND> boxes;
    EnumChildWindows(query, collectTextBox, reinterpret_cast<LPARAM>(&boxes));
    return index < boxes.size() ? boxes[index] : nullptr;
}

// A control's text in another process: GetWindowTextW reads only the caption Windows keeps for
// another process's window, never a text box's own text.
std::wstring controlText(HWND control)
{
    std::wstring text(
        static_cast<std::size_t>(SendMessageW(control, WM_GETTEXTLENGTH, 0, 0)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(SendMessageW(control, WM_GETTEXT,
        static_cast<WPARAM>(text.size()), reinterpret_cast<LPARAM>(text.data()))));
    return text;
}

HWND buttonOf(HWND query, const wchar_t *caption)
{
    std::pair<const wchar_t *, HWND> button {caption, nullptr};
    EnumChildWindows(query, findCaption, reinterpret_cast<LPARAM>(&button));
    return button.second;
}

// Types a pair into the other process's boxes and clicks "确    定" without waiting for it, as
// a miss holds the click's handler in the message box.
void lookUp(HWND query, std::u16string_view sfzh, std::u16string_view zkzh)
{
    SendMessageW(textBox(query, 0), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(wide(sfzh).c_str()));
    SendMessageW(textBox(query, 1), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(wide(zkzh).c_str()));
    PostMessageW(buttonOf(query, L"确    定"), BM_CLICK, 0, 0);
}

// Until the name box of the result state shows, for at most 10 s.
bool resultShown(HWND query)
{
    for (int attempt = 0; attempt < 200; ++attempt) {
        if (IsWindowVisible(textBox(query, 2))) {
            return true;
        }
        Sleep(50);
    }
    return false;
}

// The packed program's list swaps records 1 and 2's ticket numbers: record 1's ID-card number
// with record 2's ticket number finds record 1's name and score; with its own ticket number,
// which only the compiled-in list pairs with it, it finds nothing.
int packed(const wchar_t *exe)
{
    const ResultTable &plain = plainTable();
    StartedProgram program(exe);
    const HWND query
        = CHECK(program.running) ? processQueryWindow(program.started.dwProcessId) : nullptr;
    if (!CHECK(query != nullptr)) {
        return check::summary();
    }
    lookUp(query, plain.sfzh[1], plain.zkzh[2]);
    if (CHECK(resultShown(query))) {
        CHECK_EQ(controlText(textBox(query, 2)), wide(plain.xm[1]));
        CHECK_EQ(controlText(textBox(query, 3)), wide(plain.cj[1]));
    }
    // Sent, not posted: the texts of the next lookup are sent too, and would come first.
    SendMessageW(buttonOf(query, L"继续查询"), BM_CLICK, 0, 0);
    CHECK(!IsWindowVisible(textBox(query, 2)));
    lookUp(query, plain.sfzh[1], plain.zkzh[1]);
    const MessageBoxSeen seen = answerBoxOf(program.started.dwProcessId);
    CHECK(seen.found);
    CHECK_EQ(seen.text, wide(form1design::noMatchPrompt));
    CHECK(!IsWindowVisible(textBox(query, 2)));
    // The box disables the window while it is open, and a disabled button takes no click.
    for (int attempt = 0; attempt < 200 && !IsWindowEnabled(query); ++attempt) {
        Sleep(50);
    }
    lookUp(query, plain.sfzh[1], plain.zkzh[2]);
    CHECK(resultShown(query));
    PostMessageW(buttonOf(query, L"退    出"), BM_CLICK, 0, 0);
    CHECK_EQ(program.exitCode(), DWORD {0});
    return check::summary();
}

// A damaged packed program: one box with the message, no query window, exit code 1.
int damaged(const wchar_t *exe)
{
    StartedProgram program(exe);
    if (!CHECK(program.running)) {
        return check::summary();
    }
    const MessageBoxSeen seen = answerBoxOf(program.started.dwProcessId);
    if (CHECK(seen.found)) {
        CHECK_EQ(seen.caption, L"工程1");
        CHECK_EQ(seen.text, wide(damagedProgramMessage));
    }
    CHECK_EQ(program.exitCode(), DWORD {1});
    ProcessForm query {program.started.dwProcessId};
    EnumWindows(findProcessForm, reinterpret_cast<LPARAM>(&query));
    CHECK(query.found == nullptr);
    return check::summary();
}

} // namespace

int wmain(int argc, wchar_t *argv[])
{
    const std::wstring group = argc > 1 ? argv[1] : L"";
    if (group == L"layout" && argc == 3) {
        return layout(_wtoi(argv[2]));
    }
    if (group == L"keys") {
        return keys();
    }
    if (group == L"messagebox") {
        return messageBox();
    }
    if (group == L"panel") {
        return panel();
    }
    if (group == L"end") {
        return end();
    }
    if (group == L"designs") {
        return designs();
    }
    if (group == L"soak") {
        return soak();
    }
    if (group == L"process" && argc == 3) {
        return process(argv[2]);
    }
    if (group == L"startfailure" && argc == 4) {
        return startFailure(argv[2], argv[3]);
    }
    if (group == L"packed" && argc == 3) {
        return packed(argv[2]);
    }
    if (group == L"damaged" && argc == 3) {
        return damaged(argv[2]);
    }
    std::printf("usage: tst_windows layout <dpi> | keys | messagebox | panel | end | designs | "
                "soak | process <exe> | startfailure <exe> <dll> | packed <exe> | damaged <exe>\n");
    return 2;
}
