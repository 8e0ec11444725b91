#pragma once

#include "forms/design.h"

#include <functional>
#include <memory>
#include <string>
#include <string_view>

// What the two windows need of a forms runtime, and nothing more: windows made from a design,
// their outer geometry in twips, showing and hiding, the text and visibility of controls,
// clicks, the timer tick, closing, the screen, one message box and the end of the program. The
// handlers are written once against these operations; each toolkit implements them in its own
// folder under forms/, and the tests implement them in memory.
namespace forms {

// A label, text box or command button of a window.
class Control
{
public:
    virtual ~Control() = default;

    // A text box's text, or a label's or button's caption, as one whole string.
    virtual std::u16string text() const = 0;
    virtual void setText(std::u16string_view text) = 0;

    // A hidden control draws nothing and takes no clicks or keys; shown again, it keeps its text.
    virtual bool visible() const = 0;
    virtual void setVisible(bool visible) = 0;

    // The handler run when the user clicks the control. It replaces the one set before: a
    // control has at most one click handler.
    virtual void onClick(std::function<void()> handler) = 0;
};

// A top-level window. Left, Top, Width and Height are outer values in twips, frame and caption
// bar included, read and written as floats; setting one moves or resizes the window at once.
class Window
{
public:
    virtual ~Window() = default;

    virtual float left() const = 0;
    virtual float top() const = 0;
    virtual float width() const = 0;
    virtual float height() const = 0;
    virtual void setLeft(float value) = 0;
    virtual void setTop(float value) = 0;
    virtual void setWidth(float value) = 0;
    virtual void setHeight(float value) = 0;

    // Showing makes it a modeless top-level window; hiding keeps it and everything it holds.
    virtual bool visible() const = 0;
    virtual void setVisible(bool visible) = 0;

    // The busy cursor over the window while a handler works on, or the usual one again. It
    // shows at once, though the handler keeps the event loop waiting.
    virtual void setBusy(bool busy) = 0;

    // The control of the design with this name.
    virtual Control &control(std::string_view name) = 0;

    // Each handler replaces the one set before: an event has at most one handler.

    // The user closes the window.
    virtual void onUnload(std::function<void()> handler) = 0;
    // Each tick of the design's timer, which runs from the window's creation on. A window whose
    // design has no timer never ticks, and giving it a timer handler throws std::logic_error.
    virtual void onTimer(std::function<void()> handler) = 0;
    // The window system changed the frame around the window after it was created, and with it
    // the outer size. X11 window managers frame a window only once it is shown.
    virtual void onFrameChanged(std::function<void()> handler) = 0;
};

// The primary screen in twips. Its origin need not be 0,0 on a desk of several screens.
struct ScreenTwips
{
    float left = 0;
    float top = 0;
    float width = 0;
    float height = 0;
};

class Runtime
{
public:
    virtual ~Runtime() = default;

    // A new window of the design with all its controls, hidden. A window made with a companion
    // belongs to no one; where the window system would otherwise leave it behind, the runtime
    // keeps it with the companion (the Qt runtime on X11 stacks it just above the companion and
    // hides it while the companion is minimised or on another virtual desktop).
    virtual std::unique_ptr<Window> createWindow(
        const WindowDesign &design, Window *companion = nullptr)
        = 0;

    virtual ScreenTwips screen() const = 0;

    // The modal message box with the prompt and a single OK button, no icon, and the
    // application title as its caption. Returns when the user has dismissed it.
    virtual void msgBox(Window &owner, std::u16string_view prompt) = 0;

    // End: stops the program at once. Every window disappears and no handler runs after the
    // running one returns.
    virtual void end() = 0;
};

} // namespace forms
