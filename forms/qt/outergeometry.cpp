#include "forms/qt/outergeometry.h"

#include "forms/qt/twips.h"
#include "forms/qt/x11geometry.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <cmath>

namespace qtforms {

namespace {

float twipsOf(qreal pixels)
{
    return static_cast<float>(pixels * twips::perPixel);
}

} // namespace

OuterGeometry::OuterGeometry(QWidget &topLevel, std::optional<QRect> serverRect)
    : window(topLevel)
    , knownServerRect(serverRect)
{ }

QRectF OuterGeometry::outer() const
{
    const std::optional<QRect> server
        = knownServerRect ? knownServerRect : x11geometry::outerRect(window);
    if (!server) {
        return QRectF(window.frameGeometry());
    }
    // Qt's scale factor maps device-independent pixels to the server's; the primary screen's
    // origin is the same in both.
    const qreal ratio = window.devicePixelRatioF();
    return {server->x() / ratio, server->y() / ratio, server->width() / ratio,
        server->height() / ratio};
}

int OuterGeometry::serverPixels(float value) const
{
    return static_cast<int>(std::lround(value / twips::perPixel * window.devicePixelRatioF()));
}

float OuterGeometry::left() const
{
    return twipsOf(outer().x());
}

float OuterGeometry::top() const
{
    return twipsOf(outer().y());
}

float OuterGeometry::width() const
{
    return twipsOf(outer().width());
}

float OuterGeometry::height() const
{
    return twipsOf(outer().height());
}

// move() places a top-level window by its frame, so positions need no frame arithmetic.
void OuterGeometry::setLeft(float value)
{
    if (!x11geometry::setLeft(window, serverPixels(value))) {
        window.move(twips::toPixels(value), window.frameGeometry().y());
    }
}

void OuterGeometry::setTop(float value)
{
    if (!x11geometry::setTop(window, serverPixels(value))) {
        window.move(window.frameGeometry().x(), twips::toPixels(value));
    }
}

// The size is that of the client area, so the frame's share of the outer size comes off first.
// It is fixed: no window of the program can be resized by the user or the window manager. A
// window set to exact server pixels has no frame.
void OuterGeometry::setWidth(float value)
{
    const int frame = window.frameGeometry().width() - window.width();
    window.setFixedWidth(twips::toPixels(value) - frame);
    x11geometry::setWidth(window, serverPixels(value));
}

void OuterGeometry::setHeight(float value)
{
    const int frame = window.frameGeometry().height() - window.height();
    window.setFixedHeight(twips::toPixels(value) - frame);
    x11geometry::setHeight(window, serverPixels(value));
}

forms::ScreenTwips primaryScreenTwips()
{
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    return {twips::fromPixels(screen.x()), twips::fromPixels(screen.y()),
        twips::fromPixels(screen.width()), twips::fromPixels(screen.height())};
}

} // namespace qtforms
