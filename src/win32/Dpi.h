#pragma once

// Twips and pixels at a window's DPI, and the message font for that DPI.

#include <windows.h>

namespace textmend {

inline constexpr int kTwipsPerInch = 1440;

// twips × dpi / 1440, rounded to the nearest pixel.
int TwipsToPixels(double twips, UINT dpi);
double PixelsToTwips(int pixels, UINT dpi);

// The system's message font at dpi, its height times scale; the caller deletes it.
HFONT CreateMessageFont(UINT dpi, double scale = 1.0);

}  // namespace textmend
