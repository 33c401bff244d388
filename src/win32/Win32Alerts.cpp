#include "win32/Win32Alerts.h"

#include "win32/Utf.h"

#include "win32/FormWindow.h"

namespace textmend {
namespace {

// The system's message box is a dialog of its own class. The probe learns of it
// through a hook on this thread and describes it on a timer while it is open,
// since the box places itself only after it has been activated.
constexpr int kMessageTextId = 0xFFFF;
constexpr UINT kDescribeEveryMs = 100;
thread_local WidgetProbe* hookedProbe = nullptr;
thread_local HHOOK activationHook = nullptr;
thread_local HWND shownBox = nullptr;

void DescribeBox() {
    HWND ok = GetDlgItem(shownBox, IDOK);
    if (hookedProbe == nullptr || ok == nullptr) {
        return;
    }
    RECT okBox{};
    GetWindowRect(ok, &okBox);
    HWND text = GetDlgItem(shownBox, kMessageTextId);
    hookedProbe->Set("messageBox", JsonObject()
                                       .Add("title", WideToUtf8(WindowText(shownBox)))
                                       .Add("text", WideToUtf8(text ? WindowText(text) : L""))
                                       .Add("ok", JsonBox(okBox)));
}

void CALLBACK DescribeBoxAgain(HWND, UINT, UINT_PTR, DWORD) {
    DescribeBox();
}

LRESULT CALLBACK WatchActivation(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_ACTIVATE && hookedProbe != nullptr && shownBox == nullptr) {
        auto box = reinterpret_cast<HWND>(wParam);
        wchar_t className[16] = {};
        GetClassNameW(box, className, 16);
        if (std::wstring_view(className) == L"#32770") {
            shownBox = box;  // described once it has placed itself
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
    const UINT_PTR timer = probing ? SetTimer(nullptr, 0, kDescribeEveryMs, &DescribeBoxAgain) : 0;
    MessageBoxW(active != nullptr ? active : owner_, Utf8ToWide(text).c_str(),
                Utf8ToWide(title).c_str(), MB_OK);
    if (probing) {
        KillTimer(nullptr, timer);
        UnhookWindowsHookEx(activationHook);
        activationHook = nullptr;
        hookedProbe = nullptr;
        shownBox = nullptr;
        probe_->Remove("messageBox");
    }
}

void Win32Beep::Beep() {
    MessageBeep(MB_OK);
}

}  // namespace textmend
