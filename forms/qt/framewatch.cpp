#include "forms/qt/framewatch.h"

#include "forms/qt/x11connection.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>
#include <xcb/xcb.h>

namespace qtforms {

FrameWatch::FrameWatch(QWidget &watchedWindow, Callback callback)
    : QObject(&watchedWindow)
    , window(watchedWindow)
    , onFrameChanged(std::move(callback))
    , lastMargins(currentMargins())
{
    window.installEventFilter(this);
    if (xcb_connection_t *connection = x11connection::get()) {
        frameExtentsAtom = x11connection::atom(connection, "_NET_FRAME_EXTENTS");
        QCoreApplication::instance()->installNativeEventFilter(this);
    }
}

FrameWatch::~FrameWatch()
{
    QCoreApplication::instance()->removeNativeEventFilter(this);
}

// Every event passes on to Qt.
bool FrameWatch::nativeEventFilter(const QByteArray &eventType, void *message, qintptr *)
{
    if (eventType != "xcb_generic_event_t"
        || (static_cast<const xcb_generic_event_t *>(message)->response_type & 0x7f)
            != XCB_PROPERTY_NOTIFY) {
        return false;
    }
    const auto *change = static_cast<const xcb_property_notify_event_t *>(message);
    const auto id = static_cast<xcb_window_t>(window.internalWinId());
    if (id != XCB_NONE && change->window == id && change->atom == frameExtentsAtom) {
        QMetaObject::invokeMethod(this, onFrameChanged, Qt::QueuedConnection);
    }
    return false;
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

} // namespace qtforms
