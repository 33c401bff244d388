#include "win32/Win32Alerts.h"

#include "win32/Utf.h"

#include "win32/FormWindow.h"

namespace textmend {
namespace {

// The system's message box is a dialog of its own class; the probe learns of it
// through a hook on this thread while it is shown.
constexpr int kMessageTextId = 0xFFFF;
thread_local WidgetProbe* hookedProbe = nullptr;
thread_local HHOOK activationHook = nullptr;

LRESULT CALLBACK WatchActivation(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_ACTIVATE && hookedProbe != nullptr) {
        auto box = reinterpret_cast<HWND>(wParam);
        wchar_t className[16] = {};
        GetClassNameW(box, className, 16);
        HWND ok = GetDlgItem(box, IDOK);
        if (std::wstring_view(className) == L"#32770" && ok != nullptr) {
            RECT okBox{};
            GetWindowRect(ok, &okBox);
            HWND text = GetDlgItem(box, kMessageTextId);
            hookedProbe->Set("messageBox",
                             JsonObject()
                                 .Add("title", WideToUtf8(WindowText(box)))
                                 .Add("text", WideToUtf8(text ? WindowText(text) : L""))
                                 .Add("ok", JsonBox(okBox)));
        }
    }
    return CallNextHookEx(activationHook, code, wParam, lParam);
}

}  // namespace

void Win32MessageBox::Show(const std::string& text, const std::string& title) {
    // Modal to whichever of the program's windows is active (About asks too).
    HWND active = GetActiveWindow();
    const bool probing = probe_ != nullptr && probe_->Enabled() && activationHook == nullptr;
    if (probing) {
        hookedProbe = probe_;
        activationHook = SetWindowsHookExW(WH_CBT, &WatchActivation, nullptr, GetCurrentThreadId());
    }
    MessageBoxW(active != nullptr ? active : owner_, Utf8ToWide(text).c_str(),
                Utf8ToWide(title).c_str(), MB_OK);
    if (probing) {
        UnhookWindowsHookEx(activationHook);
        activationHook = nullptr;
        hookedProbe = nullptr;
        probe_->Remove("messageBox");
    }
}

void Win32Beep::Beep() {
    MessageBeep(MB_OK);
}

}  // namespace textmend
