#pragma once

#include "forms/identity.h"
#include "forms/runtime.h"
#include "forms/win32/screendpi.h"

#include <functional>
#include <string>
#include <windows.h>

namespace win32forms {

// The forms runtime on plain Win32. The message box is a hook, so that a test can run many
// misses without a modal box each time; the program keeps the system's box.
struct Win32RuntimeHooks
{
    // None: the system's message box, captioned with the program's title.
    std::function<void(HWND owner, std::u16string_view prompt)> msgBox;
};

// The entry hands it the program's identity, whose title captions the message box.
class Win32Runtime : public forms::Runtime
{
public:
    explicit Win32Runtime(const forms::Identity &identity, Win32RuntimeHooks hooks = {});

    std::unique_ptr<forms::Window> createWindow(
        const forms::WindowDesign &design, forms::Window *companion) override;
    forms::ScreenTwips screen() const override;
    void msgBox(forms::Window &owner, std::u16string_view prompt) override;
    void end() override;

    // The DPI of the screen and of every window's outer geometry.
    unsigned screenDpi() const { return dpi.value(); }

private:
    std::u16string title;
    Win32RuntimeHooks hooks;
    ScreenDpi dpi;
};

} // namespace win32forms
