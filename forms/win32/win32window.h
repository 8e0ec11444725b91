#pragma once

#include "forms/runtime.h"
#include "forms/win32/handles.h"
#include "forms/win32/screendpi.h"
#include "forms/win32/win32control.h"

#include <memory>
#include <span>
#include <utility>
#include <vector>
#include <windows.h>

namespace win32forms {

// The window class of every designed window, by which the program's end finds them.
inline constexpr const wchar_t *formClassName = L"MerrowdaleResultsForm";

// The designed windows of the calling thread, in z-order.
std::vector<HWND> formsOfThisThread();

// A designed window as a top-level Win32 window. A fixed single border is a caption bar with a
// close box only and a frame that does not size; a window without a border is a frameless
// popup. Every window is owned by no one; one not shown in the taskbar is a tool window, which
// gets no taskbar button. Its outer geometry in twips is that of the frame the user sees, at the
// one DPI of all screen geometry, which it hears change; the window's own DPI sizes its client
// area, controls and fonts. A window with a companion never takes the activation, and each
// placement stacks it just above the companion, so that whatever covers the companion covers it
// too; the companion outlives it. A window that cannot be made throws std::system_error and
// leaves nothing behind.
class Win32Window : public forms::Window
{
public:
    Win32Window(
        const forms::WindowDesign &design, ScreenDpi &screenDpi, Win32Window *companion = nullptr);
    ~Win32Window() override;
    Win32Window(const Win32Window &) = delete;
    Win32Window &operator=(const Win32Window &) = delete;

    float left() const override;
    float top() const override;
    float width() const override;
    float height() const override;
    void setLeft(float value) override;
    void setTop(float value) override;
    void setWidth(float value) override;
    void setHeight(float value) override;
    bool visible() const override;
    void setVisible(bool visible) override;
    void setBusy(bool busy) override;
    forms::Control &control(std::string_view name) override;
    void onUnload(std::function<void()> handler) override;
    void onTimer(std::function<void()> handler) override;
    void onFrameChanged(std::function<void()> handler) override;

    // Null once the window is destroyed.
    HWND handle() const { return window; }

private:
    static LRESULT CALLBACK windowProcedure(
        HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam);

    LRESULT onCommand(WPARAM wParam, LPARAM lParam);
    LRESULT onControlColour(HDC context, HWND child);
    LRESULT onClose();
    LRESULT onActivate(WPARAM wParam, LPARAM lParam);
    LRESULT onGetDpiScaledSize(WPARAM newDpi, SIZE &size);
    LRESULT onDpiChanged(WPARAM wParam, const RECT &suggested);
    LRESULT onGetDefaultId();
    LRESULT onTimerTick();
    LRESULT onDisplayChange(UINT message, WPARAM wParam, LPARAM lParam);

    void build(std::span<const forms::ControlDesign *const> order);
    void stackAboveCompanion();

    void createControls(std::span<const forms::ControlDesign *const> order);
    void setIcons();
    void layOut();
    SIZE designedOuterSize(unsigned atDpi) const;
    HFONT fontFor(const forms::ControlDesign &row,
        std::vector<std::pair<forms::FontDesign, FontHandle>> &previous);
    Win32Control *controlByHandle(HWND child);

    const forms::WindowDesign &design;
    ScreenDpi &screenDpi;
    Win32Window *const companion;
    HWND window = nullptr;
    // The window's own DPI, for its client area, controls, fonts and icons.
    unsigned dpi = 96;
    // In z-order, which is the order of creation and of the dialog manager's tabbing.
    std::vector<std::unique_ptr<Win32Control>> controls;
    // One font per design font at the current DPI.
    std::vector<std::pair<forms::FontDesign, FontHandle>> fonts;
    IconHandle bigIcon;
    IconHandle smallIcon;
    HWND focusWhenInactive = nullptr;
    // The cursor that the busy cursor replaced.
    HCURSOR cursorBeforeBusy = nullptr;
    std::function<void()> unloaded;
    std::function<void()> ticked;
    std::function<void()> frameChanged;
};

} // namespace win32forms
