#include "forms/qt/twips.h"

#include <cmath>

namespace twips {

int toPixels(double value)
{
    return static_cast<int>(std::lround(value / perPixel));
}

float fromPixels(int pixels)
{
    return static_cast<float>(pixels * perPixel);
}

QRect toPixels(int left, int top, int width, int height)
{
    return {toPixels(left), toPixels(top), toPixels(width), toPixels(height)};
}

int fontPixels(double points)
{
    constexpr double pixelsPerPoint = 96.0 / 72.0;
    return static_cast<int>(std::lround(points * pixelsPerPoint));
}

} // namespace twips
