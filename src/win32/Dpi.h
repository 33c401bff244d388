#pragma once

// The system's message font at a window's DPI.

#include <windows.h>

namespace textmend {

// The message font at dpi with its height times scale; the caller deletes it.
HFONT CreateMessageFont(UINT dpi, double scale = 1.0);

}  // namespace textmend
