#pragma once

#include "forms/qt/qtcontrol.h"
#include "forms/runtime.h"

#include <QRect>
#include <map>
#include <memory>
#include <optional>
#include <string>

class QTimer;
class QWidget;

namespace qtforms {

// A designed window as a top-level Qt widget: its frame, caption, client size, font, controls
// and timer, and its outer geometry in twips. No window can be resized by the user. A window
// with a fixed single border has a caption bar with a close box only; a borderless one is a
// frameless tool window without a taskbar button.
//
// A window with a companion is placed beside it by the program, so on X11 no window manager
// manages it: openbox, for one, pulls a managed window that lies mostly off the screen back onto
// it, which would put the panel over the query window and its button. Unmanaged, it lands
// exactly where it is put and is on no taskbar or pager. What the window manager no longer does
// for it, the window does itself: it stays stacked just above its companion, and it leaves the
// screen while its companion is minimised or on another virtual desktop, coming back with it.
class QtWindow : public forms::Window
{
public:
    QtWindow(const forms::WindowDesign &design, QWidget *companion);
    ~QtWindow() override;

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

    QWidget &widget() const { return *form; }

private:
    void showAsHandlersAndCompanionSay();

    // The top-level widget owns the controls, the timer and the watches whose callbacks reach
    // the members below; the destructor deletes it first of all.
    std::unique_ptr<QWidget> form;
    QWidget *const companion;
    // Visible as the handlers set it, and whether the companion is on the screen.
    bool shownByHandlers = false;
    bool companionOnScreen = true;
    std::map<std::string, QtControl, std::less<>> controls;
    QTimer *timer = nullptr;
    std::function<void()> unloaded;
    std::function<void()> ticked;
    std::function<void()> frameChanged;
    // The outer geometry in twips as the handlers last set it.
    struct
    {
        std::optional<float> left;
        std::optional<float> top;
        std::optional<float> width;
        std::optional<float> height;
    } setByHandlers;
    // The outer rectangle as the X server has it, while a tick of the timer runs.
    std::optional<QRect> serverRectThisTick;
};

} // namespace qtforms
