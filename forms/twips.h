#pragma once

#include <cmath>

// Twips (1/1440 inch) and points against pixels at a DPI, the one arithmetic of both runtimes:
// the Qt runtime works at the classic 96 dpi (Qt's own scaling takes device-independent pixels
// on from there), the Win32 runtime at the DPI of each window and of the screen. Twips per pixel
// are 1440 / DPI, 15 at 96 dpi.
namespace forms::twips {

inline constexpr unsigned classicDpi = 96;

// The nearest whole pixel; a half pixel rounds away from zero.
inline int toPixels(double twips, unsigned dpi)
{
    return static_cast<int>(std::lround(twips * dpi / 1440.0));
}

inline float fromPixels(int pixels, unsigned dpi)
{
    return static_cast<float>(pixels * 1440.0 / dpi);
}

// The height in pixels of a font of the given points at the DPI, rounded as Windows rounds
// MulDiv(points, dpi, 72) (a half pixel up), with fractional points such as 14.25 kept to the
// hundredth.
inline int fontPixels(double points, unsigned dpi)
{
    const long long hundredths = std::llround(points * 100);
    return static_cast<int>((hundredths * dpi + 3600) / 7200);
}

} // namespace forms::twips
