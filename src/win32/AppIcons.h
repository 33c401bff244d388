#pragma once

// The program's icons at the sizes Windows draws them for a DPI: the small icon
// (title bar, notification area) and the large one (Alt+Tab, the taskbar).

#include <windows.h>

namespace textmend {

enum class IconSize { Small, Large };

// The icon resource at the system metrics' small or large size for dpi: the
// frame of that size, or the closest one scaled when the file has none.
// Each size is loaded once and kept for the life of the program: callers never
// destroy it. Null when the resource cannot be loaded.
HICON LoadAppIcon(HINSTANCE instance, int resourceId, IconSize size, UINT dpi);

// Gives window its small and large icons for dpi.
void SetWindowIcons(HWND window, HINSTANCE instance, int resourceId, UINT dpi);

}  // namespace textmend
