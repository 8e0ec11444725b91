#include "forms/win32/win32window.h"

#include "forms/designrows.h"
#include "forms/twips.h"
#include "forms/win32/designfont.h"
#include "forms/win32/dpi.h"
#include "forms/win32/messageloop.h"
#include "forms/win32/systemerror.h"
#include "forms/win32/visibleframe.h"
#include "forms/win32/widetext.h"

#include <algorithm>
#include <cwchar>
#include <ranges>
#include <stdexcept>
#include <string>

namespace win32forms {

namespace {

// A fixed single border: caption bar and system menu with the close box, no minimize or
// maximize box, no sizing frame.
constexpr DWORD fixedSingleStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD noBorderStyle = WS_POPUP | WS_CLIPCHILDREN;
// A tool window gets no taskbar button.
constexpr DWORD noTaskbarExStyle = WS_EX_TOOLWINDOW;

// The icon of packaging/windows/merrowdale-results.rc.in.
constexpr const wchar_t *programIcon = L"IDI_ICON1";

// WM_GETDPISCALEDSIZE, Windows 10 1703, which the Windows 7 headers lack.
constexpr UINT getDpiScaledSize = 0x02E4;

constexpr UINT_PTR designTimer = 1;
// Control IDs start above IDOK (1) and IDCANCEL (2), which the dialog manager sends for Enter
// and Esc: no control answers to them.
constexpr int firstControlId = 100;

void registerFormClass(HINSTANCE instance, WNDPROC procedure)
{
    WNDCLASSEXW formClass {};
    if (GetClassInfoExW(instance, formClassName, &formClass)) {
        return;
    }
    formClass.cbSize = sizeof formClass;
    formClass.lpfnWndProc = procedure;
    formClass.hInstance = instance;
    formClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    formClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    formClass.lpszClassName = formClassName;
    if (RegisterClassExW(&formClass) == 0) {
        throw lastSystemError("RegisterClassExW", "the class of the windows");
    }
}

// The order the controls are created in: the design's tab order, with each text box's label
// just before the box, since Windows names a text box by the label before it in z-order.
std::vector<const forms::ControlDesign *> creationOrder(std::span<const forms::ControlDesign> rows)
{
    const auto labelsABox = [rows](const forms::ControlDesign *row) {
        return std::ranges::find(rows, row->name, &forms::ControlDesign::labelledBy) != rows.end();
    };

    std::vector<const forms::ControlDesign *> order;
    for (const forms::ControlDesign *row : forms::inTabOrder(rows)) {
        if (labelsABox(row)) {
            continue;
        }
        if (!row->labelledBy.empty()) {
            order.push_back(&forms::named(rows, row->labelledBy, &forms::ControlDesign::name));
        }
        order.push_back(row);
    }
    return order;
}

struct ChildClass
{
    const wchar_t *name;
    DWORD style;
    DWORD exStyle;
};

ChildClass childClass(forms::ControlKind kind)
{
    switch (kind) {
    case forms::ControlKind::Label:
        // Text from the top-left corner, wrapped at the right edge.
        return {L"STATIC", SS_LEFT, 0};
    case forms::ControlKind::TextBox:
        return {L"EDIT", WS_TABSTOP | ES_LEFT | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE};
    case forms::ControlKind::CommandButton:
        // Multiline: a caption wider than the button wraps, one character per line in the
        // narrow "软件使用说明".
        return {L"BUTTON", WS_TABSTOP | BS_PUSHBUTTON | BS_MULTILINE, 0};
    }
    return {};
}

bool sameFont(const forms::FontDesign &a, const forms::FontDesign &b)
{
    return a.face == b.face && a.points == b.points && a.bold == b.bold;
}

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

std::vector<HWND> formsOfThisThread()
{
    std::vector<HWND> forms;
    EnumThreadWindows(GetCurrentThreadId(), collectForm, reinterpret_cast<LPARAM>(&forms));
    return forms;
}

Win32Window::Win32Window(
    const forms::WindowDesign &windowDesign, ScreenDpi &screen, Win32Window *companionWindow)
    : design(windowDesign)
    , screenDpi(screen)
    , companion(companionWindow)
{
    HINSTANCE instance = GetModuleHandleW(nullptr);
    registerFormClass(instance, windowProcedure);
    const bool bordered = design.borderStyle == forms::BorderStyle::FixedSingle;
    const DWORD style = bordered ? fixedSingleStyle : noBorderStyle;
    // A click on a companion's follower leaves the keyboard where it was.
    const DWORD exStyle = (design.showInTaskbar ? 0 : noTaskbarExStyle)
        | (companion != nullptr ? WS_EX_NOACTIVATE : 0);
    // Before the window exists, so that a design naming a missing label leaves no window behind.
    const std::vector<const forms::ControlDesign *> order = creationOrder(design.controls);
    // Created on the primary screen; Form_Load places it.
    if (CreateWindowExW(exStyle, formClassName, wide(design.caption).c_str(), style, 0, 0, 0, 0,
            nullptr, nullptr, instance, this)
        == nullptr) {
        throw lastSystemError("CreateWindowExW", "window " + std::string(design.name));
    }
    try {
        build(order);
    } catch (...) {
        DestroyWindow(window);
        throw;
    }
}

// Sizes the new window and gives it its controls, fonts, icons and timer.
void Win32Window::build(std::span<const forms::ControlDesign *const> order)
{
    dpi = windowDpi(window);
    const SIZE outer = designedOuterSize(dpi);
    SetWindowPos(
        window, nullptr, 0, 0, outer.cx, outer.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);

    createControls(order);
    layOut();
    if (design.hasIcon) {
        setIcons();
    }
    if (design.timer
        && SetTimer(window, designTimer, static_cast<UINT>(design.timer->interval), nullptr) == 0) {
        throw lastSystemError("SetTimer", "timer " + std::string(design.timer->name));
    }
}

Win32Window::~Win32Window()
{
    if (window != nullptr) {
        DestroyWindow(window);
    }
}

void Win32Window::createControls(std::span<const forms::ControlDesign *const> order)
{
    HINSTANCE instance = GetModuleHandleW(nullptr);
    int id = firstControlId;
    for (const forms::ControlDesign *row : order) {
        const ChildClass kind = childClass(row->kind);
        const std::wstring caption
            = row->kind == forms::ControlKind::TextBox ? std::wstring() : wide(row->caption);
        HWND child = CreateWindowExW(kind.exStyle, kind.name, caption.c_str(),
            WS_CHILD | WS_VISIBLE | kind.style, 0, 0, 0, 0, window,
            reinterpret_cast<HMENU>(static_cast<INT_PTR>(id++)), instance, nullptr);
        if (child == nullptr) {
            throw lastSystemError("CreateWindowExW", "control " + std::string(row->name));
        }
        if (row->kind == forms::ControlKind::TextBox) {
            // No length limit: Windows' default is 32,767 characters and Wine's 30,000.
            SendMessageW(child, EM_SETLIMITTEXT, 0, 0);
        }
        controls.push_back(std::make_unique<Win32Control>(*row, child));
    }
}

void Win32Window::setIcons()
{
    HINSTANCE instance = GetModuleHandleW(nullptr);
    const auto load = [instance, this](int size) {
        const int pixels = MulDiv(size, static_cast<int>(dpi), 96);
        return IconHandle(static_cast<HICON>(
            LoadImageW(instance, programIcon, IMAGE_ICON, pixels, pixels, LR_DEFAULTCOLOR)));
    };
    // The window lets go of the previous icons before they are destroyed.
    IconHandle big = load(32);
    IconHandle small = load(16);
    SendMessageW(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big.get()));
    SendMessageW(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small.get()));
    bigIcon = std::move(big);
    smallIcon = std::move(small);
}

// Places every control and gives it its font at the window's DPI. The fonts of the previous
// DPI are released once no control uses them.
void Win32Window::layOut()
{
    std::vector<std::pair<forms::FontDesign, FontHandle>> previous = std::move(fonts);
    fonts.clear();
    for (const auto &control : controls) {
        const forms::ControlDesign &row = control->design;
        MoveWindow(control->handle(), forms::twips::toPixels(row.left, dpi),
            forms::twips::toPixels(row.top, dpi), forms::twips::toPixels(row.width, dpi),
            forms::twips::toPixels(row.height, dpi), TRUE);
        if (HFONT font = fontFor(row, previous)) {
            SendMessageW(control->handle(), WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
        }
    }
}

// The design font at the window's DPI, made once for all controls that use it. A font that
// cannot be made is not kept: the font of the previous DPI stays, since the controls still use
// it, and is kept from being released with the others.
HFONT Win32Window::fontFor(const forms::ControlDesign &row,
    std::vector<std::pair<forms::FontDesign, FontHandle>> &previous)
{
    const std::optional<forms::FontDesign> &wanted = row.font ? row.font : design.font;
    if (!wanted) {
        return nullptr;
    }
    const auto same = [&wanted](const auto &font) { return sameFont(font.first, *wanted); };
    if (const auto found = std::ranges::find_if(fonts, same); found != fonts.end()) {
        return found->second.get();
    }
    FontHandle font = createDesignFont(*wanted, dpi);
    if (!font) {
        const auto kept = std::ranges::find_if(previous, same);
        if (kept == previous.end()) {
            return nullptr;
        }
        font = std::move(kept->second);
        previous.erase(kept);
    }
    return fonts.emplace_back(*wanted, std::move(font)).second.get();
}

// The outer size around the designed client area at the DPI; a frameless window is all client.
SIZE Win32Window::designedOuterSize(unsigned atDpi) const
{
    const SIZE client {forms::twips::toPixels(design.clientWidth, atDpi),
        forms::twips::toPixels(design.clientHeight, atDpi)};
    if (design.borderStyle == forms::BorderStyle::None) {
        return client;
    }
    return outerSizeForClient(client, static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE)),
        static_cast<DWORD>(GetWindowLongPtrW(window, GWL_EXSTYLE)), atDpi);
}

Win32Control *Win32Window::controlByHandle(HWND child)
{
    const auto found = std::ranges::find(controls, child, &Win32Control::handle);
    return found != controls.end() ? found->get() : nullptr;
}

float Win32Window::left() const
{
    return forms::twips::fromPixels(visibleFrame(window).left, screenDpi.value());
}

float Win32Window::top() const
{
    return forms::twips::fromPixels(visibleFrame(window).top, screenDpi.value());
}

float Win32Window::width() const
{
    const RECT frame = visibleFrame(window);
    return forms::twips::fromPixels(frame.right - frame.left, screenDpi.value());
}

float Win32Window::height() const
{
    const RECT frame = visibleFrame(window);
    return forms::twips::fromPixels(frame.bottom - frame.top, screenDpi.value());
}

void Win32Window::setLeft(float value)
{
    RECT frame = visibleFrame(window);
    OffsetRect(&frame, forms::twips::toPixels(value, screenDpi.value()) - frame.left, 0);
    placeVisibleFrame(window, frame);
}

void Win32Window::setTop(float value)
{
    RECT frame = visibleFrame(window);
    OffsetRect(&frame, 0, forms::twips::toPixels(value, screenDpi.value()) - frame.top);
    placeVisibleFrame(window, frame);
    // Other windows may have come between the two since the last placement; the tick places a
    // companion's follower each time.
    stackAboveCompanion();
}

void Win32Window::setWidth(float value)
{
    RECT frame = visibleFrame(window);
    frame.right = frame.left + forms::twips::toPixels(value, screenDpi.value());
    placeVisibleFrame(window, frame);
}

void Win32Window::setHeight(float value)
{
    RECT frame = visibleFrame(window);
    frame.bottom = frame.top + forms::twips::toPixels(value, screenDpi.value());
    placeVisibleFrame(window, frame);
}

bool Win32Window::visible() const
{
    return IsWindowVisible(window) != FALSE;
}

void Win32Window::setBusy(bool busy)
{
    // No message reaches the window while the handler works, so nothing sets the usual cursor
    // back in between.
    if (busy) {
        cursorBeforeBusy = SetCursor(LoadCursorW(nullptr, IDC_WAIT));
    } else {
        SetCursor(cursorBeforeBusy);
    }
}

void Win32Window::setVisible(bool visible)
{
    // The panel shows without taking the activation, so the keyboard stays in the query window.
    const int shown = design.borderStyle == forms::BorderStyle::None ? SW_SHOWNOACTIVATE : SW_SHOW;
    const RECT before = visibleFrame(window);
    ShowWindow(window, visible ? shown : SW_HIDE);
    stackAboveCompanion();
    // Windows frames a window when it creates it, but the desktop window manager may report the
    // visible frame of a window only once it is shown; a window placed by its frame while
    // hidden then learns its real visible size here.
    const RECT after = visibleFrame(window);
    if (frameChanged
        && (after.right - after.left != before.right - before.left
            || after.bottom - after.top != before.bottom - before.top)) {
        frameChanged();
    }
}

forms::Control &Win32Window::control(std::string_view name)
{
    return *forms::named(controls, name, [](const auto &control) { return control->design.name; });
}

// Directly above the companion: below every window that covers the companion, above the rest.
void Win32Window::stackAboveCompanion()
{
    HWND anchor = companion != nullptr ? companion->handle() : nullptr;
    if (anchor == nullptr || !IsWindowVisible(window)) {
        return;
    }
    HWND above = GetWindow(anchor, GW_HWNDPREV);
    if (above == window) {
        return;
    }
    SetWindowPos(window, above != nullptr ? above : HWND_TOP, 0, 0, 0, 0,
        SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
}

void Win32Window::onUnload(std::function<void()> handler)
{
    unloaded = std::move(handler);
}

void Win32Window::onTimer(std::function<void()> handler)
{
    if (!design.timer) {
        throw std::logic_error("window " + std::string(design.name) + " has no timer");
    }
    ticked = std::move(handler);
}

void Win32Window::onFrameChanged(std::function<void()> handler)
{
    frameChanged = std::move(handler);
}

LRESULT CALLBACK Win32Window::windowProcedure(
    HWND handle, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        auto *self
            = static_cast<Win32Window *>(reinterpret_cast<CREATESTRUCTW *>(lParam)->lpCreateParams);
        self->window = handle;
        SetWindowLongPtrW(handle, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto *self = reinterpret_cast<Win32Window *>(GetWindowLongPtrW(handle, GWLP_USERDATA));
    if (message == WM_NCDESTROY && self != nullptr) {
        SetWindowLongPtrW(handle, GWLP_USERDATA, 0);
        self->window = nullptr;
        return DefWindowProcW(handle, message, wParam, lParam);
    }
    if (self == nullptr) {
        return DefWindowProcW(handle, message, wParam, lParam);
    }
    // An exception must not pass through the system's code back to the loop: a panel that the
    // tick cannot make ends the loop, which throws it on.
    try {
        return self->handleMessage(message, wParam, lParam);
    } catch (...) {
        endMessageLoopWith(std::current_exception());
        return 0;
    }
}

LRESULT Win32Window::handleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_COMMAND:
        return onCommand(wParam, lParam);
    case WM_CTLCOLORSTATIC:
        return onControlColour(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_TIMER:
        return wParam == designTimer ? onTimerTick()
                                     : DefWindowProcW(window, message, wParam, lParam);
    case WM_CLOSE:
        return onClose();
    case WM_ACTIVATE:
        return onActivate(wParam, lParam);
    case getDpiScaledSize:
        return onGetDpiScaledSize(wParam, *reinterpret_cast<SIZE *>(lParam));
    case WM_DPICHANGED:
        return onDpiChanged(wParam, *reinterpret_cast<const RECT *>(lParam));
    case DM_GETDEFID:
        return onGetDefaultId();
    case WM_MOUSEACTIVATE:
        return companion != nullptr ? MA_NOACTIVATE
                                    : DefWindowProcW(window, message, wParam, lParam);
    case WM_DISPLAYCHANGE:
    case WM_SETTINGCHANGE:
        return onDisplayChange(message, wParam, lParam);
    default:
        return DefWindowProcW(window, message, wParam, lParam);
    }
}

LRESULT Win32Window::onCommand(WPARAM wParam, LPARAM lParam)
{
    // IDOK and IDCANCEL from Enter and Esc come without a control and click nothing.
    if (HIWORD(wParam) == BN_CLICKED && lParam != 0) {
        if (const Win32Control *control = controlByHandle(reinterpret_cast<HWND>(lParam))) {
            control->click();
        }
    }
    return 0;
}

// Labels draw on the window's own background, in the design's colour where it gives one.
LRESULT Win32Window::onControlColour(HDC context, HWND child)
{
    const Win32Control *control = controlByHandle(child);
    const std::optional<forms::Rgb> &colour
        = control != nullptr ? control->design.foreColor : std::nullopt;
    SetTextColor(context,
        colour ? RGB(colour->red, colour->green, colour->blue) : GetSysColor(COLOR_WINDOWTEXT));
    SetBkColor(context, GetSysColor(COLOR_BTNFACE));
    return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
}

LRESULT Win32Window::onTimerTick()
{
    if (ticked) {
        ticked();
    }
    return 0;
}

// The user closes the window. A window without an unload handler is hidden and kept, as the
// panel is when its button hides it.
LRESULT Win32Window::onClose()
{
    if (unloaded) {
        unloaded();
    } else {
        ShowWindow(window, SW_HIDE);
    }
    return 0;
}

// As in a dialog, the focus leaves with the activation and comes back to the same control, or
// at first to the first control of the tab order.
LRESULT Win32Window::onActivate(WPARAM wParam, LPARAM lParam)
{
    if (LOWORD(wParam) == WA_INACTIVE) {
        HWND focus = GetFocus();
        focusWhenInactive = IsChild(window, focus) ? focus : nullptr;
        return 0;
    }
    HWND focus = focusWhenInactive != nullptr && IsWindowVisible(focusWhenInactive)
        ? focusWhenInactive
        : GetNextDlgTabItem(window, nullptr, FALSE);
    if (focus == nullptr) {
        return DefWindowProcW(window, WM_ACTIVATE, wParam, lParam);
    }
    SetFocus(focus);
    return 0;
}

// Before a move to a screen of another DPI, Windows proposes the window's size scaled in
// proportion, though the caption bar and borders do not scale so; a framed window answers with
// the outer size of its designed client area at the new DPI, which Windows then suggests.
// A frameless window is all client area and scales in proportion.
LRESULT Win32Window::onGetDpiScaledSize(WPARAM newDpi, SIZE &size)
{
    if (design.borderStyle == forms::BorderStyle::None) {
        return FALSE;
    }
    size = designedOuterSize(static_cast<unsigned>(newDpi));
    return TRUE;
}

// Moved to a screen of another DPI: the window takes the rectangle Windows suggests and lays
// its controls out again with fonts of the new DPI.
LRESULT Win32Window::onDpiChanged(WPARAM wParam, const RECT &suggested)
{
    dpi = LOWORD(wParam);
    SetWindowPos(window, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
        suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    layOut();
    if (design.hasIcon) {
        setIcons();
    }
    return 0;
}

// The display's resolution or scaling may have changed: the DPI of screen geometry is read again.
LRESULT Win32Window::onDisplayChange(UINT message, WPARAM wParam, LPARAM lParam)
{
    screenDpi.changed();
    return DefWindowProcW(window, message, wParam, lParam);
}

// There is no default button: Enter clicks the focused push button and nothing else.
LRESULT Win32Window::onGetDefaultId()
{
    const Win32Control *focused = controlByHandle(GetFocus());
    if (focused != nullptr && focused->design.kind == forms::ControlKind::CommandButton) {
        return MAKELRESULT(GetDlgCtrlID(focused->handle()), DC_HASDEFID);
    }
    return 0;
}

} // namespace win32forms
