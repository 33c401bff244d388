#include "win32/Win32Tray.h"

#include <algorithm>
#include <cstring>

namespace textmend {
namespace {

constexpr UINT kIconId = 1;

// The first form of the record has 64 characters of tip: the text, a NUL, and
// blanks to the field's end.
constexpr std::size_t kTipField = 64;

void WriteTip(char* field, const std::string& tip) {
    std::fill(field, field + kTipField, ' ');
    const std::size_t length = std::min(tip.size(), kTipField - 1);
    std::memcpy(field, tip.data(), length);
    field[length] = '\0';
}

}  // namespace

std::optional<TrayEvent> TrayEventOf(UINT mouseMessage) {
    switch (mouseMessage) {
        case WM_LBUTTONUP:
        case WM_LBUTTONDBLCLK:
            return TrayEvent::Activate;
        case WM_RBUTTONUP:
            return TrayEvent::OpenMenu;
        default:
            return std::nullopt;
    }
}

bool Win32Tray::Available() {
    return FindWindowW(L"Shell_TrayWnd", nullptr) != nullptr;
}

bool Win32Tray::Add(TrayImage image, const std::string& tip) {
    record_.cbSize = NOTIFYICONDATAA_V1_SIZE;
    record_.hWnd = window_;
    record_.uID = kIconId;
    record_.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    record_.uCallbackMessage = kTrayCallbackMessage;
    record_.hIcon = image == TrayImage::Autoprocess ? icons_.autoprocess : icons_.normal;
    WriteTip(record_.szTip, tip);
    return Notify(NIM_ADD);
}

bool Win32Tray::Change(TrayImage image) {
    record_.uFlags = NIF_ICON;
    record_.hIcon = image == TrayImage::Autoprocess ? icons_.autoprocess : icons_.normal;
    return Notify(NIM_MODIFY);
}

void Win32Tray::Remove() {
    Notify(NIM_DELETE);
}

bool Win32Tray::Notify(DWORD message) {
    return Shell_NotifyIconA(message, &record_) != FALSE;
}

}  // namespace textmend
