#include "forms/qt/twips.h"

#include "forms/twips.h"

namespace qtforms {

namespace twips {

int toPixels(double value)
{
    return forms::twips::toPixels(value, forms::twips::classicDpi);
}

float fromPixels(int pixels)
{
    return forms::twips::fromPixels(pixels, forms::twips::classicDpi);
}

QRect toPixels(int left, int top, int width, int height)
{
    return {toPixels(left), toPixels(top), toPixels(width), toPixels(height)};
}

int fontPixels(double points)
{
    return forms::twips::fontPixels(points, forms::twips::classicDpi);
}

} // namespace twips

} // namespace qtforms
