#include "forms/win32/win32runtime.h"

#include "forms/win32/endprogram.h"
#include "forms/win32/msgbox.h"
#include "forms/win32/twips.h"
#include "forms/win32/win32window.h"

#include <commctrl.h>

namespace win32forms {

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
    const forms::WindowDesign &design, forms::Window *)
{
    return std::make_unique<Win32Window>(design);
}

forms::ScreenTwips Win32Runtime::screen() const
{
    MONITORINFO primary {};
    primary.cbSize = sizeof primary;
    GetMonitorInfoW(MonitorFromPoint(POINT {0, 0}, MONITOR_DEFAULTTOPRIMARY), &primary);
    const unsigned dpi = twips::screenDpi();
    const RECT &area = primary.rcMonitor;
    return {twips::fromPixels(area.left, dpi), twips::fromPixels(area.top, dpi),
        twips::fromPixels(area.right - area.left, dpi),
        twips::fromPixels(area.bottom - area.top, dpi)};
}

void Win32Runtime::msgBox(forms::Window &owner, std::u16string_view prompt)
{
    HWND ownerWindow = static_cast<Win32Window &>(owner).handle();
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
