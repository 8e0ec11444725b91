#pragma once

#include "forms/runtime.h"

#include <functional>
#include <map>
#include <string>
#include <vector>

// A forms runtime held entirely in memory, for testing the handlers without a display or a
// toolkit. Windows and controls keep what is set on them; the test plays the user (click,
// close), the timer (tick) and the window system (a frame that arrives late), and reads what
// the handlers did: every message box, every End, and the geometry in twips exactly as set.
namespace memoryforms {

class MemoryControl : public forms::Control
{
public:
    explicit MemoryControl(const forms::ControlDesign &design);

    std::u16string text() const override { return content; }
    void setText(std::u16string_view text) override { content = text; }
    bool visible() const override { return shown; }
    void setVisible(bool visible) override { shown = visible; }
    void onClick(std::function<void()> handler) override { clicked = std::move(handler); }

    // A user's click: a hidden control, or one on a hidden window, takes none. Returns whether
    // the click reached a handler.
    bool click(bool windowShown);

    const forms::ControlDesign &design;

private:
    std::u16string content;
    bool shown = true;
    std::function<void()> clicked;
};

class MemoryRuntime;

class MemoryWindow : public forms::Window
{
public:
    MemoryWindow(MemoryRuntime &runtime, const forms::WindowDesign &design,
        forms::Window *companion, bool framed);

    float left() const override { return outerLeft; }
    float top() const override { return outerTop; }
    float width() const override { return outerWidth; }
    float height() const override { return outerHeight; }
    void setLeft(float value) override { outerLeft = value; }
    void setTop(float value) override { outerTop = value; }
    void setWidth(float value) override;
    void setHeight(float value) override;
    bool visible() const override { return shown; }
    void setVisible(bool visible) override { shown = visible; }
    forms::Control &control(std::string_view name) override { return find(name); }
    void setBusy(bool busy) override;
    void onUnload(std::function<void()> handler) override { unloaded = std::move(handler); }
    void onTimer(std::function<void()> handler) override;
    void onFrameChanged(std::function<void()> handler) override
    {
        frameChanged = std::move(handler);
    }

    // The user clicks the named control; false when the click reached no handler.
    bool click(std::string_view name);
    // The user closes the window.
    void close();
    // One tick of the window's timer.
    void tick();
    // The window system puts its frame around the window now, keeping the client area.
    void frameArrives();
    // The window system changes the frame around the window, as a theme or DPI change does,
    // keeping the client area: the outer size grows by these twips.
    void frameGrows(float width, float height);

    MemoryControl &find(std::string_view name);

    const forms::WindowDesign &design;
    forms::Window *const companion;
    // How often the size was set, so that a test can tell a handler that resizes.
    int resizes = 0;
    // Whether the busy cursor shows, and how often it was turned on.
    bool busy = false;
    int busySpells = 0;

private:
    bool running() const;

    MemoryRuntime &runtime;
    std::map<std::string, MemoryControl, std::less<>> controls;
    float outerLeft = 0;
    float outerTop = 0;
    float outerWidth;
    float outerHeight;
    bool shown = false;
    bool framed;
    std::function<void()> unloaded;
    std::function<void()> ticked;
    std::function<void()> frameChanged;
};

class MemoryRuntime : public forms::Runtime
{
public:
    // A fixed single border in twips: the sides and bottom, and the caption bar above.
    static constexpr float border = 45;
    static constexpr float captionBar = 285;

    struct Box
    {
        std::string owner;
        std::u16string prompt;
    };

    std::unique_ptr<forms::Window> createWindow(
        const forms::WindowDesign &design, forms::Window *companion) override;
    forms::ScreenTwips screen() const override { return primaryScreen; }
    void msgBox(forms::Window &owner, std::u16string_view prompt) override;
    void end() override { ++ends; }

    // The window made from the design of this name, or null.
    MemoryWindow *window(std::string_view name) const;

    forms::ScreenTwips primaryScreen {0, 0, 1920 * 15, 1080 * 15};
    // Windows made from now on get their frame only when frameArrives() is called, as on X11.
    bool framesArriveLate = false;
    // Run while a message box is up, before it is dismissed.
    std::function<void(const Box &)> whileBoxShown;

    std::vector<Box> boxes;
    int ends = 0;
    std::vector<MemoryWindow *> windows;
};

} // namespace memoryforms
