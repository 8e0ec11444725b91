#pragma once

// Twips (1/1440 inch) and pixels at a DPI: twips per pixel = 1440 / DPI, 15 at 96 dpi.
namespace win32forms::twips {

int toPixels(double twips, unsigned dpi);
float fromPixels(int pixels, unsigned dpi);

// The DPI of the outer geometry of every window and of the screen: the primary screen's, fixed
// when first asked. Screen coordinates are one pixel space for the whole desktop, so a window
// converted at its own DPI would be misplaced against one converted at another.
unsigned screenDpi();

// The height in pixels of a font of the given points at the DPI, rounded as Windows rounds
// MulDiv(points, dpi, 72), with fractional points such as 14.25 kept to the hundredth.
int fontPixels(double points, unsigned dpi);

} // namespace win32forms::twips
