#pragma once

#include "forms/twips.h"

#include <QRect>

namespace qtforms {

// Units of the window designs. Positions and sizes are designed in twips (1/1440 inch) and font
// sizes in points, both at the classic 96 dots per inch, where one device-independent pixel is
// 15 twips (forms/twips.h). Qt's high-DPI scaling takes device-independent pixels on from there.
namespace twips {

// Twips in one device-independent pixel.
inline constexpr double perPixel = 1440.0 / forms::twips::classicDpi;

// The nearest whole pixel; a half pixel rounds away from zero.
int toPixels(double value);
float fromPixels(int pixels);
QRect toPixels(int left, int top, int width, int height);

// Pixel size of a font designed in points. Fonts are sized in pixels, not points, so that text
// keeps its size relative to the twips-sized controls whatever logical DPI the desktop reports.
int fontPixels(double points);

} // namespace twips

} // namespace qtforms
