#include "win32/Win32Alerts.h"

#include "win32/Utf.h"

namespace textmend {

void Win32MessageBox::Show(const std::string& text, const std::string& title) {
    // Modal to whichever of the program's windows is active (About asks too).
    HWND active = GetActiveWindow();
    MessageBoxW(active != nullptr ? active : owner_, Utf8ToWide(text).c_str(),
                Utf8ToWide(title).c_str(), MB_OK);
}

void Win32Beep::Beep() {
    MessageBeep(MB_OK);
}

}  // namespace textmend
