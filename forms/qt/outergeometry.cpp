#include "forms/qt/outergeometry.h"

#include "forms/qt/twips.h"

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

// The size is that of the client area, so the frame's share of the outer size comes off first.
// It is fixed: no window of the program can be resized by the user or the window manager.
void OuterGeometry::setWidth(float value)
{
    const int frame = window.frameGeometry().width() - window.width();
    window.setFixedWidth(twips::toPixels(value) - frame);
}

void OuterGeometry::setHeight(float value)
{
    const int frame = window.frameGeometry().height() - window.height();
    window.setFixedHeight(twips::toPixels(value) - frame);
}

forms::ScreenTwips primaryScreenTwips()
{
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    return {twips::fromPixels(screen.x()), twips::fromPixels(screen.y()),
        twips::fromPixels(screen.width()), twips::fromPixels(screen.height())};
}
