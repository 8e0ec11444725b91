#pragma once

#include <QAbstractNativeEventFilter>
#include <QMargins>
#include <QObject>
#include <cstdint>
#include <functional>

class QWidget;

namespace qtforms {

// Tells when a top-level window's frame changes size. On X11 the window manager decorates a
// window some time after show(), so whatever read the outer size before then read the client
// size alone; the callback lets it read again. It watches move, resize and show events, which is
// when Qt learns the frame, and calls back only when the frame's margins differ from the last
// ones seen, from the event loop once Qt has finished placing the window. The X server's idea of
// the frame, which the window manager publishes in _NET_FRAME_EXTENTS, may come after Qt's:
// a change of that property calls back too.
class FrameWatch : public QObject, private QAbstractNativeEventFilter
{
public:
    using Callback = std::function<void()>;

    FrameWatch(QWidget &window, Callback onFrameChanged);
    ~FrameWatch() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool nativeEventFilter(const QByteArray &eventType, void *message, qintptr *result) override;
    QMargins currentMargins() const;

    QWidget &window;
    Callback onFrameChanged;
    QMargins lastMargins;
    // The X atom _NET_FRAME_EXTENTS, none off X11.
    std::uint32_t frameExtentsAtom = 0;
};

} // namespace qtforms
