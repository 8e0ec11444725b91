#include "forms/win32/win32control.h"

#include "forms/win32/widetext.h"

namespace win32forms {

Win32Control::Win32Control(const forms::ControlDesign &controlDesign, HWND handle)
    : design(controlDesign)
    , child(handle)
{ }

std::u16string Win32Control::text() const
{
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(child)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(child, text.data(), static_cast<int>(text.size()))));
    return utf16(text);
}

void Win32Control::setText(std::u16string_view text)
{
    SetWindowTextW(child, wide(text).c_str());
}

// The control's own visibility, which it keeps while its window is hidden.
bool Win32Control::visible() const
{
    return (GetWindowLongPtrW(child, GWL_STYLE) & WS_VISIBLE) != 0;
}

void Win32Control::setVisible(bool visible)
{
    if (!visible && GetFocus() == child) {
        // A hidden control cannot keep the focus; it passes on in the tab order, as the dialog
        // manager would move it, rather than to the window itself, where no key reaches a
        // control.
        HWND next = GetNextDlgTabItem(GetParent(child), child, FALSE);
        if (next != nullptr && next != child) {
            SetFocus(next);
        }
    }
    ShowWindow(child, visible ? SW_SHOWNA : SW_HIDE);
}

void Win32Control::onClick(std::function<void()> handler)
{
    clicked = std::move(handler);
}

void Win32Control::click() const
{
    if (clicked) {
        clicked();
    }
}

} // namespace win32forms
