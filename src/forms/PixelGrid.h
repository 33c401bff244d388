#pragma once

// Twips on a screen of pixels, one rule for both programs: 1440 twips an inch,
// every edge rounded to the nearest pixel, and a box as large as the distance
// between its rounded edges. Controls that touch in twips so touch in pixels at
// every scale; sizes rounded on their own could drift a pixel apart.

namespace textmend {

inline constexpr int kTwipsPerInch = 1440;
// The screen the layouts were drawn for: 15 twips a pixel.
inline constexpr int kLayoutDpi = 96;
inline constexpr int kTwipsPerLayoutPixel = kTwipsPerInch / kLayoutDpi;

struct PixelBox {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

int TwipsToPixels(double twips, int dpi);
double PixelsToTwips(int pixels, int dpi);
PixelBox ToPixelBox(int left, int top, int width, int height, int dpi);

}  // namespace textmend
