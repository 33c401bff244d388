#include "win32/AppIcons.h"

#include <map>
#include <tuple>

namespace textmend {

HICON LoadAppIcon(HINSTANCE instance, int resourceId, IconSize size, UINT dpi) {
    const int pixels =
        GetSystemMetricsForDpi(size == IconSize::Small ? SM_CXSMICON : SM_CXICON, dpi);
    static std::map<std::tuple<HINSTANCE, int, int>, HICON> loaded;
    const auto key = std::make_tuple(instance, resourceId, pixels);
    if (const auto found = loaded.find(key); found != loaded.end()) {
        return found->second;
    }
    // The frame of that size, or the closest one scaled to it.
    auto icon = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(resourceId), IMAGE_ICON,
                                              pixels, pixels, LR_DEFAULTCOLOR));
    if (icon == nullptr) {
        return nullptr;
    }
    loaded.emplace(key, icon);
    return icon;
}

void SetWindowIcons(HWND window, HINSTANCE instance, int resourceId, UINT dpi) {
    SendMessageW(window, WM_SETICON, ICON_SMALL,
                 reinterpret_cast<LPARAM>(LoadAppIcon(instance, resourceId, IconSize::Small, dpi)));
    SendMessageW(window, WM_SETICON, ICON_BIG,
                 reinterpret_cast<LPARAM>(LoadAppIcon(instance, resourceId, IconSize::Large, dpi)));
}

}  // namespace textmend
