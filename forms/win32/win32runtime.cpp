#include "forms/win32/win32runtime.h"

#include "forms/twips.h"
#include "forms/win32/endprogram.h"
#include "forms/win32/msgbox.h"
#include "forms/win32/win32window.h"

#include <cassert>
#include <commctrl.h>

namespace win32forms {

namespace {

// Every window of this runtime is one it made.
Win32Window &ownWindow(forms::Window &window)
{
    assert(dynamic_cast<Win32Window *>(&window) != nullptr);
    return static_cast<Win32Window &>(window);
}

} // namespace

Win32Runtime::Win32Runtime(const forms::Identity &identity, Win32RuntimeHooks runtimeHooks)
    : title(identity.title)
    , hooks(std::move(runtimeHooks))
{
    // Loads Common Controls 6, which the manifest asks for, so the controls take the system's
    // visual style.
    INITCOMMONCONTROLSEX controls {sizeof controls, ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
}

// The panel is a window of its own with no owner, as the design has it; it is not hidden
// with the query window, which has no minimize box to hide it by.
std::unique_ptr<forms::Window> Win32Runtime::createWindow(
    const forms::WindowDesign &design, forms::Window *companion)
{
    return std::make_unique<Win32Window>(
        design, dpi, companion != nullptr ? &ownWindow(*companion) : nullptr);
}

forms::ScreenTwips Win32Runtime::screen() const
{
    MONITORINFO primary {};
    primary.cbSize = sizeof primary;
    GetMonitorInfoW(MonitorFromPoint(POINT {0, 0}, MONITOR_DEFAULTTOPRIMARY), &primary);
    const unsigned screen = dpi.value();
    const RECT &area = primary.rcMonitor;
    return {forms::twips::fromPixels(area.left, screen), forms::twips::fromPixels(area.top, screen),
        forms::twips::fromPixels(area.right - area.left, screen),
        forms::twips::fromPixels(area.bottom - area.top, screen)};
}

void Win32Runtime::msgBox(forms::Window &owner, std::u16string_view prompt)
{
    HWND ownerWindow = ownWindow(owner).handle();
    if (hooks.msgBox) {
        hooks.msgBox(ownerWindow, prompt);
    } else {
        showPlainOkBox(ownerWindow, title, prompt);
    }
}

void Win32Runtime::end()
{
    endProgram();
}

} // namespace win32forms
