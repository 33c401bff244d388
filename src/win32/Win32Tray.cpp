#include "win32/Win32Tray.h"

#include <cstring>

namespace textmend {

NOTIFYICONDATAA ToNotifyIconData(const TrayIconData& record, const TrayIcons& icons) {
    NOTIFYICONDATAA data{};
    data.cbSize = record.cbSize == 0 ? 0 : NOTIFYICONDATAA_V1_SIZE;
    data.hWnd = reinterpret_cast<HWND>(record.hWnd);
    data.uID = record.uID;
    data.uFlags = record.uFlags;
    data.uCallbackMessage = record.uCallbackMessage;
    data.hIcon = record.hIcon == TrayImage::Autoprocess ? icons.autoprocess : icons.normal;
    static_assert(sizeof(data.szTip) >= sizeof(record.szTip));
    std::memcpy(data.szTip, record.szTip, sizeof(record.szTip));
    return data;
}

bool Win32Tray::Available() {
    return FindWindowW(L"Shell_TrayWnd", nullptr) != nullptr;
}

bool Win32Tray::Notify(TrayMessage message, const TrayIconData& record) {
    NOTIFYICONDATAA data = ToNotifyIconData(record, icons_);
    return Shell_NotifyIconA(static_cast<DWORD>(message), &data) != FALSE;
}

}  // namespace textmend
