#include "forms/win32/twips.h"

#include "forms/win32/dpi.h"

#include <cmath>
#include <windows.h>

namespace win32forms::twips {

int toPixels(double twips, unsigned dpi)
{
    return static_cast<int>(std::lround(twips * dpi / 1440.0));
}

float fromPixels(int pixels, unsigned dpi)
{
    return static_cast<float>(pixels * 1440.0 / dpi);
}

unsigned screenDpi()
{
    static const unsigned dpi = primaryScreenDpi();
    return dpi;
}

int fontPixels(double points, unsigned dpi)
{
    return MulDiv(static_cast<int>(std::lround(points * 100)), static_cast<int>(dpi), 7200);
}

} // namespace win32forms::twips
