#include "forms/qt/companionwatch.h"

#include "forms/qt/x11connection.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>
#include <QWindow>
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <xcb/xcb.h>

namespace qtforms {

namespace {

// Whether the window's list of atoms in property holds wanted.
bool hasState(
    xcb_connection_t *connection, xcb_window_t window, xcb_atom_t property, xcb_atom_t wanted)
{
    const std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)> reply(
        xcb_get_property_reply(connection,
            xcb_get_property(connection, 0, window, property, XCB_ATOM_ATOM, 0, 64), nullptr),
        &std::free);
    if (!reply) {
        return false;
    }
    const auto *atoms = static_cast<const xcb_atom_t *>(xcb_get_property_value(reply.get()));
    const auto count
        = static_cast<std::size_t>(xcb_get_property_value_length(reply.get())) / sizeof(xcb_atom_t);
    return std::find(atoms, atoms + count, wanted) != atoms + count;
}

} // namespace

CompanionWatch::CompanionWatch(QWidget &follower, QWidget &watched, Callback callback)
    : QObject(&follower)
    , companion(watched)
    , onChange(std::move(callback))
{
    companion.installEventFilter(this);
    watchHandle();
    if (xcb_connection_t *connection = x11connection::get()) {
        stateAtom = x11connection::atom(connection, "_NET_WM_STATE");
        shadedAtom = x11connection::atom(connection, "_NET_WM_STATE_SHADED");
        QCoreApplication::instance()->installNativeEventFilter(this);
    }
}

CompanionWatch::~CompanionWatch()
{
    QCoreApplication::instance()->removeNativeEventFilter(this);
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

void CompanionWatch::report()
{
    onChange(exposed && !shaded && !companion.isMinimized());
}

bool CompanionWatch::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::Show:
        watchHandle();
        break;
    case QEvent::WindowStateChange:
        if (watched == &companion) {
            report();
        }
        break;
    case QEvent::Expose:
        exposed = companion.windowHandle()->isExposed();
        report();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

// Only the window manager's changes of the companion's _NET_WM_STATE are read; every event
// passes on to Qt.
bool CompanionWatch::nativeEventFilter(const QByteArray &eventType, void *message, qintptr *)
{
    if (eventType != "xcb_generic_event_t") {
        return false;
    }
    const auto *event = static_cast<const xcb_generic_event_t *>(message);
    if ((event->response_type & 0x7f) != XCB_PROPERTY_NOTIFY) {
        return false;
    }
    const auto *change = static_cast<const xcb_property_notify_event_t *>(message);
    const auto id = static_cast<xcb_window_t>(companion.internalWinId());
    if (id == XCB_NONE || change->window != id || change->atom != stateAtom) {
        return false;
    }
    if (const bool nowShaded = hasState(x11connection::get(), id, stateAtom, shadedAtom);
        nowShaded != shaded) {
        shaded = nowShaded;
        report();
    }
    return false;
}

} // namespace qtforms
