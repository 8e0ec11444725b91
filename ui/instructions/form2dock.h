#pragma once

#include <memory>

class Form2;
class QWidget;

// Keeps the instructions panel against the query window's right edge and shows or hides it.
// Its two handlers are the query window's: the tick of its 50 ms timer and the click on its
// narrow "软件使用说明" button. Neither touches what the query window shows. The panel does not
// exist until something first refers to it, normally the first tick; that reference creates it
// hidden. Docking is done by polling alone: the tick moves the panel but never resizes it, and
// keeps a shown panel stacked just above the query window. The panel goes when the query window
// is minimised or leaves the screen with its virtual desktop, and comes back with it if it was
// shown.
class Form2Dock
{
public:
    explicit Form2Dock(QWidget &queryWindow);
    ~Form2Dock();

    // The reference to the panel: creates and loads it on first use.
    Form2 &form2();
    // The panel if it is loaded, without loading it.
    Form2 *loadedForm2() const { return panel.get(); }

    void Timer1_Timer();
    void Command4_Click();

    // The query window's frame changed, so its outer size did: a panel loaded before the window
    // manager framed the query window was sized from the client area alone and is sized again.
    void queryFrameChanged();
    // The query window was minimised or restored, or left or came back to the screen.
    void queryWindowShownChanged(bool shown);

private:
    QWidget &queryWindow;
    std::unique_ptr<Form2> panel;
    // The panel was shown when the query window was minimised, and is hidden until it is restored.
    bool hiddenWithQueryWindow = false;
};
