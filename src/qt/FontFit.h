#pragma once

#include <QFont>
#include <span>

#include "ui/Layout.h"

namespace textmend {

// The font for the windows: a plain sans-serif face at the largest size, up to
// the desktop's usual 8-point text, at which every caption of the given layouts
// fits its control without clipping.
QFont FitFont(std::span<const FormSpec* const> layouts);

}  // namespace textmend
