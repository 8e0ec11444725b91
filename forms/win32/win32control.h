#pragma once

#include "forms/runtime.h"

#include <windows.h>

namespace win32forms {

// A control of a designed window as a child window: STATIC for a label, EDIT for a text box,
// BUTTON for a command button. The window creates it and passes its clicks on.
class Win32Control : public forms::Control
{
public:
    Win32Control(const forms::ControlDesign &design, HWND handle);

    std::u16string text() const override;
    void setText(std::u16string_view text) override;
    bool visible() const override;
    void setVisible(bool visible) override;
    void onClick(std::function<void()> handler) override;

    void click() const;
    HWND handle() const { return child; }

    const forms::ControlDesign &design;

private:
    HWND child;
    std::function<void()> clicked;
};

} // namespace win32forms
