#pragma once

// The font of the program's windows at a DPI: the system's message font, made
// smaller just enough for every caption of the three windows to fit its control
// (forms/CaptionFit.h states the rule).

#include <windows.h>

namespace textmend {

// The caller deletes the font.
HFONT CreateWindowFont(UINT dpi);

}  // namespace textmend
