#pragma once

#include <QMargins>
#include <QObject>
#include <functional>

class QWidget;

// Tells when a top-level window's frame changes size. On X11 the window manager decorates a
// window some time after show(), so whatever read the outer size before then read the client
// size alone; the callback lets it read again. It watches move, resize and show events, which is
// when Qt learns the frame, and calls back only when the frame's margins differ from the last
// ones seen, from the event loop once Qt has finished placing the window.
class FrameWatch : public QObject
{
public:
    using Callback = std::function<void()>;

    FrameWatch(QWidget &window, Callback onFrameChanged);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QMargins currentMargins() const;

    QWidget &window;
    Callback onFrameChanged;
    QMargins lastMargins;
};
