#pragma once

#include <QRect>
#include <cmath>

#include "ui/Layout.h"

namespace textmend {

// Twips become device-independent pixels at 15 twips a pixel; the high-DPI
// scale of the screen applies on top of that.
inline int ToPixels(double twips) {
    return static_cast<int>(std::lround(twips / kTwipsPerPixelAt96Dpi));
}

inline double ToTwips(int pixels) {
    return static_cast<double>(pixels) * kTwipsPerPixelAt96Dpi;
}

// A control's box in pixels; both edges are rounded, so controls that touch in
// twips touch in pixels.
inline QRect ToPixelRect(int left, int top, int width, int height) {
    const int x = ToPixels(left);
    const int y = ToPixels(top);
    return {x, y, ToPixels(left + width) - x, ToPixels(top + height) - y};
}

}  // namespace textmend
