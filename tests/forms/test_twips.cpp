// Twips and points against pixels, as both runtimes convert them: the designed rectangles and
// fonts at the DPIs the program is tried at, and outer geometry that survives the way there and
// back.
#include "forms/twips.h"

#include <gtest/gtest.h>

namespace {

using forms::twips::fontPixels;
using forms::twips::fromPixels;
using forms::twips::toPixels;

TEST(Twips, DesignedLengthsRoundToTheNearestPixel)
{
    // The query window's client area and a control's left edge, at 96, 144 and 192 dpi.
    EXPECT_EQ(toPixels(9090, 96), 606);
    EXPECT_EQ(toPixels(5025, 96), 335);
    EXPECT_EQ(toPixels(9090, 144), 909);
    EXPECT_EQ(toPixels(5025, 144), 503); // 502.5
    EXPECT_EQ(toPixels(5025, 192), 670);
    EXPECT_EQ(toPixels(-5025, 144), -503);
    EXPECT_EQ(toPixels(7, 96), 0);
    EXPECT_EQ(toPixels(8, 96), 1);
    EXPECT_FLOAT_EQ(fromPixels(612, 96), 9180.0f);
    EXPECT_FLOAT_EQ(fromPixels(1280, 144), 12800.0f);
}

// A window's right edge, its left plus its width each converted to twips, comes back to the
// pixel at every DPI Windows offers.
TEST(Twips, LeftPlusWidthComesBackToThePixel)
{
    for (const unsigned dpi : {96u, 120u, 144u, 168u, 192u, 240u}) {
        int wrong = 0;
        for (int left = -3000; left <= 3000; left += 7) {
            for (const int width : {1, 306, 612, 919, 1227}) {
                const float right = fromPixels(left, dpi) + fromPixels(width, dpi);
                wrong += toPixels(right, dpi) != left + width ? 1 : 0;
            }
        }
        EXPECT_EQ(wrong, 0) << dpi << " dpi";
    }
}

// The character heights Windows gives the design's fonts (MulDiv rounds a half pixel up: 14.25
// points are 28.5 pixels at 144 dpi).
TEST(Twips, FontHeightsAsWindowsRoundsThem)
{
    struct Case
    {
        double points;
        unsigned dpi;
        int pixels;
    };
    for (const Case &font : {Case {18, 96, 24}, Case {18, 144, 36}, Case {18, 192, 48},
             Case {15, 96, 20}, Case {15, 144, 30}, Case {15, 192, 40}, Case {14.25, 96, 19},
             Case {14.25, 144, 29}, Case {14.25, 192, 38}, Case {12, 96, 16}, Case {12, 144, 24},
             Case {12, 192, 32}, Case {10.5, 96, 14}, Case {9, 120, 15}}) {
        EXPECT_EQ(fontPixels(font.points, font.dpi), font.pixels)
            << font.points << " points at " << font.dpi << " dpi";
    }
}

} // namespace
