#pragma once

#include "forms/runtime.h"
#include "forms/win32/msgbox.h"
#include "forms/win32/screendpi.h"

#include <functional>
#include <windows.h>

namespace win32forms {

// The forms runtime on plain Win32. The message box is a hook, so that a test can run many
// misses without a modal box each time; the program keeps the system's box.
struct Win32RuntimeHooks
{
    std::function<void(HWND owner, std::u16string_view prompt)> msgBox = showPlainOkBox;
};

class Win32Runtime : public forms::Runtime
{
public:
    explicit Win32Runtime(Win32RuntimeHooks hooks = {});

    std::unique_ptr<forms::Window> createWindow(
        const forms::WindowDesign &design, forms::Window *companion) override;
    forms::ScreenTwips screen() const override;
    void msgBox(forms::Window &owner, std::u16string_view prompt) override;
    void end() override;

    // The DPI of the screen and of every window's outer geometry.
    unsigned screenDpi() const { return dpi.value(); }

private:
    Win32RuntimeHooks hooks;
    ScreenDpi dpi;
};

} // namespace win32forms
