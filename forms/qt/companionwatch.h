#pragma once

#include <QObject>
#include <functional>

class QWidget;

// Tells whether a top-level window is on the screen: not minimised, and mapped by the window
// system. A window manager unmaps a window when it is minimised or when its virtual desktop is
// left, which the window's handle hears as a change of exposure; minimising is also a change of
// the widget's state, which is all some platforms report. Calls back with each change. It belongs
// to the window that follows the companion and stops watching when that window goes.
class CompanionWatch : public QObject
{
public:
    using Callback = std::function<void(bool onScreen)>;

    CompanionWatch(QWidget &follower, QWidget &companion, Callback onChange);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void watchHandle();

    QWidget &companion;
    Callback onChange;
    bool handleWatched = false;
};
