#include "forms/qt/framewatch.h"

#include <QEvent>
#include <QWidget>

FrameWatch::FrameWatch(QWidget &watchedWindow, Callback callback)
    : QObject(&watchedWindow)
    , window(watchedWindow)
    , onFrameChanged(std::move(callback))
    , lastMargins(currentMargins())
{
    window.installEventFilter(this);
}

bool FrameWatch::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::Show:
        if (const QMargins margins = currentMargins(); margins != lastMargins) {
            lastMargins = margins;
            // Qt is still in the middle of placing the window; read it once that has settled.
            QMetaObject::invokeMethod(this, onFrameChanged, Qt::QueuedConnection);
        }
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

QMargins FrameWatch::currentMargins() const
{
    const QRect frame = window.frameGeometry();
    const QRect client = window.geometry();
    return {client.left() - frame.left(), client.top() - frame.top(),
        frame.right() - client.right(), frame.bottom() - client.bottom()};
}
