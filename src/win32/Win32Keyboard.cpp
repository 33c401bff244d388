#include "win32/Win32Keyboard.h"

#include <windows.h>

#include <array>

#include "win32/Win32Error.h"

namespace textmend {

INPUT KeyStroke(WORD virtualKey, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = virtualKey;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    // The right-hand Ctrl and Alt and both Win keys send an extended scan code.
    if (virtualKey == VK_RCONTROL || virtualKey == VK_RMENU || virtualKey == VK_LWIN ||
        virtualKey == VK_RWIN) {
        input.ki.dwFlags |= KEYEVENTF_EXTENDEDKEY;
    }
    return input;
}

std::uintptr_t Win32Keyboard::FocusedWindow() {
    return reinterpret_cast<std::uintptr_t>(GetForegroundWindow());
}

void Win32Keyboard::Paste(std::uintptr_t window) {
    HWND target = reinterpret_cast<HWND>(window);
    if (target != nullptr && IsWindow(target) && GetForegroundWindow() != target) {
        SetForegroundWindow(target);
    }
    std::array<INPUT, 4> strokes{KeyStroke(VK_CONTROL, false), KeyStroke('V', false),
                                 KeyStroke('V', true), KeyStroke(VK_CONTROL, true)};
    if (SendInput(static_cast<UINT>(strokes.size()), strokes.data(), sizeof(INPUT)) !=
        strokes.size()) {
        ThrowLastError();
    }
}

}  // namespace textmend
