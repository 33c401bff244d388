#include "win32/Tooltips.h"

#include <windows.h>
// after windows.h, which it needs
#include <commctrl.h>

#include "win32/Utf.h"

namespace textmend {

Tooltips::~Tooltips() {
    if (window_ != nullptr) {
        DestroyWindow(window_);
    }
}

void Tooltips::Create(HWND owner, HINSTANCE instance,
                      const std::vector<std::unique_ptr<ControlBinding>>& controls) {
    window_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                              WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT, CW_USEDEFAULT,
                              CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr, instance, nullptr);
    if (window_ == nullptr) {
        return;
    }
    for (const auto& control : controls) {
        if (control->def().tooltip.empty()) {
            continue;
        }
        std::wstring text = Utf8ToWide(control->def().tooltip);
        TOOLINFOW tool{};
        tool.cbSize = sizeof(tool);
        tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        tool.hwnd = owner;
        tool.uId = reinterpret_cast<UINT_PTR>(control->hwnd());
        tool.lpszText = text.data();
        SendMessageW(window_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    }
}

void Tooltips::SetFont(HFONT font) {
    if (window_ != nullptr) {
        SendMessageW(window_, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    }
}

}  // namespace textmend
