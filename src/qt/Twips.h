#pragma once

#include <QRect>

#include "forms/PixelGrid.h"

namespace textmend {

// The layout's twips as Qt's device-independent pixels: the screen of the
// layouts (15 twips a pixel), with the desktop's high-DPI scale on top.
inline int ToPixels(double twips) {
    return TwipsToPixels(twips, kLayoutDpi);
}

inline double ToTwips(int pixels) {
    return PixelsToTwips(pixels, kLayoutDpi);
}

inline QRect ToPixelRect(int left, int top, int width, int height) {
    const PixelBox box = ToPixelBox(left, top, width, height, kLayoutDpi);
    return {box.x, box.y, box.width, box.height};
}

}  // namespace textmend
