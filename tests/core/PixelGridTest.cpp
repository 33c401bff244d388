// Twips on the screen: the one rounding rule both programs place controls by.

#include <gtest/gtest.h>

#include "forms/PixelGrid.h"

namespace textmend {
namespace {

TEST(PixelGrid, TwipsBecomePixelsAtTheScreensDpi) {
    const struct {
        double twips;
        int dpi;
        int pixels;
    } cases[] = {
        {4995, 96, 333},                                   // the main window's width at 100 %
        {4020, 96, 268},  {4995, 144, 500},                // 499.5 rounds up
        {4995, 192, 666}, {15, 96, 1},      {15, 120, 1},  // 1.25
        {1440, 96, 96},   {0, 192, 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(TwipsToPixels(c.twips, c.dpi), c.pixels) << c.twips << " at " << c.dpi;
    }
    EXPECT_DOUBLE_EQ(PixelsToTwips(333, 96), 4995.0);
    EXPECT_DOUBLE_EQ(PixelsToTwips(1, 192), 7.5);
}

// A box from 1600 twips, 1405 wide, touches one at 3005. At 96 dpi rounded sizes
// would give 107 + 94 = 201 pixels against 200 for the neighbour: an overlap.
TEST(PixelGrid, TouchingBoxesTouchAtEveryScale) {
    for (int dpi : {96, 120, 144, 168, 192}) {
        const PixelBox left = ToPixelBox(1600, 1080, 1405, 195, dpi);
        const PixelBox right = ToPixelBox(3005, 1080, 1575, 195, dpi);
        EXPECT_EQ(left.x + left.width, right.x) << dpi << " dpi";
    }
}

}  // namespace
}  // namespace textmend
