#include "forms/qt/companionwatch.h"

#include <QEvent>
#include <QWidget>
#include <QWindow>

CompanionWatch::CompanionWatch(QWidget &follower, QWidget &watched, Callback callback)
    : QObject(&follower)
    , companion(watched)
    , onChange(std::move(callback))
{
    companion.installEventFilter(this);
    watchHandle();
}

// The handle exists once the window has been shown; creating it earlier would change how the
// window is first placed and framed.
void CompanionWatch::watchHandle()
{
    if (!handleWatched && companion.windowHandle()) {
        handleWatched = true;
        companion.windowHandle()->installEventFilter(this);
    }
}

bool CompanionWatch::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::Show:
        watchHandle();
        break;
    case QEvent::WindowStateChange:
        if (watched == &companion) {
            onChange(!companion.isMinimized());
        }
        break;
    case QEvent::Expose:
        onChange(companion.windowHandle()->isExposed());
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}
