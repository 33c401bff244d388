#pragma once

#include <QFont>
#include <span>

#include "forms/Layout.h"

namespace textmend {

// The font for the windows: a plain sans-serif face at the desktop's usual
// 8-point size, smaller when a caption of the given layouts would not fit its
// control otherwise (forms/CaptionFit.h).
QFont FitFont(std::span<const FormDef* const> layouts);

}  // namespace textmend
