#pragma once

#include <QAbstractNativeEventFilter>
#include <QObject>
#include <cstdint>
#include <functional>

class QWidget;

namespace qtforms {

// Tells whether a top-level window is on the screen: not minimised, not shaded (rolled up to its
// caption bar), and mapped by the window system. A window manager unmaps a window when it is
// minimised or when its virtual desktop is left, which the window's handle hears as a change of
// exposure; minimising is also a change of the widget's state, which is all some platforms
// report. Shading leaves the window mapped and Qt does not report it: on X11 it is read from the
// window's _NET_WM_STATE when the window manager changes it. Calls back with each change. It
// belongs to the window that follows the companion and stops watching when that window goes.
class CompanionWatch : public QObject, private QAbstractNativeEventFilter
{
public:
    using Callback = std::function<void(bool onScreen)>;

    CompanionWatch(QWidget &follower, QWidget &companion, Callback onChange);
    ~CompanionWatch() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool nativeEventFilter(const QByteArray &eventType, void *message, qintptr *result) override;
    void watchHandle();
    void report();

    QWidget &companion;
    Callback onChange;
    bool handleWatched = false;
    bool exposed = true;
    bool shaded = false;
    // The X atoms _NET_WM_STATE and _NET_WM_STATE_SHADED, none off X11.
    std::uint32_t stateAtom = 0;
    std::uint32_t shadedAtom = 0;
};

} // namespace qtforms
