#include "ui/outergeometry.h"

#include "ui/twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

float OuterGeometry::left() const
{
    return twips::fromPixels(window.frameGeometry().x());
}

float OuterGeometry::top() const
{
    return twips::fromPixels(window.frameGeometry().y());
}

float OuterGeometry::width() const
{
    return twips::fromPixels(window.frameGeometry().width());
}

float OuterGeometry::height() const
{
    return twips::fromPixels(window.frameGeometry().height());
}

// move() places a top-level window by its frame, so positions need no frame arithmetic.
void OuterGeometry::setLeft(float value)
{
    window.move(twips::toPixels(value), window.frameGeometry().y());
}

void OuterGeometry::setTop(float value)
{
    window.move(window.frameGeometry().x(), twips::toPixels(value));
}

// resize() sizes the client area, so the frame's share of the outer size comes off first.
void OuterGeometry::setWidth(float value)
{
    const int frame = window.frameGeometry().width() - window.width();
    window.resize(twips::toPixels(value) - frame, window.height());
}

void OuterGeometry::setHeight(float value)
{
    const int frame = window.frameGeometry().height() - window.height();
    window.resize(window.width(), twips::toPixels(value) - frame);
}

void OuterGeometry::setFixedSize(float width, float height)
{
    const QSize frame = window.frameGeometry().size() - window.size();
    window.setFixedSize(
        twips::toPixels(width) - frame.width(), twips::toPixels(height) - frame.height());
}

ScreenTwips primaryScreenTwips()
{
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    return {twips::fromPixels(screen.x()), twips::fromPixels(screen.y()),
        twips::fromPixels(screen.width()), twips::fromPixels(screen.height())};
}

float centredStart(float screenStart, float screenExtent, float windowExtent)
{
    return screenStart + static_cast<float>((screenExtent - windowExtent) / 2.0);
}
