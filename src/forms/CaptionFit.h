#pragma once

// The one rule for captions that the platform's font draws wider than the layout
// allows: the caption of every option button, check box and command button is
// shown whole inside its control as the layout sizes it. Controls never grow or
// move; when a caption does not fit, the font of all the program's windows
// shrinks just enough. The front end measures, this decides.

#include <functional>
#include <span>
#include <string_view>

#include "forms/Layout.h"
#include "forms/PixelGrid.h"

namespace textmend {

struct CaptionMetrics {
    // The caption's width in pixels in the window font scaled by scale (1 is the
    // platform's own size).
    std::function<double(std::string_view caption, double scale)> textWidth;
    // The pixels of a control of this kind that are not room for its caption:
    // the box or circle with its gap, a button's frame and margins.
    std::function<int(ControlKind kind)> chrome;
    int dpi = kLayoutDpi;
};

// The largest font scale, at most 1, at which every caption of these layouts fits.
double FitCaptionScale(std::span<const FormDef* const> layouts, const CaptionMetrics& metrics);

}  // namespace textmend
