#include "win32/Win32Hotkey.h"

#include <vector>

#include "win32/VirtualKeys.h"
#include "win32/Win32Error.h"
#include "win32/Win32Keyboard.h"

namespace textmend {
namespace {

// The program holds one hotkey; its number among the window's hotkeys.
constexpr int kHotkeyId = 1;

}  // namespace

Win32Hotkey::~Win32Hotkey() {
    Unregister();
}

// The system refuses a second registration of a combination, the program's own
// included: the one held goes first.
HotkeyPort::Grab Win32Hotkey::Register(const Hotkey& hotkey) {
    Unregister();
    const std::optional<BYTE> key = VirtualKeyOf(hotkey.key);
    if (!key) {
        ThrowSystemError(ERROR_INVALID_PARAMETER);
    }
    if (!RegisterHotKey(window_, kHotkeyId, RegisterHotKeyModifiers(hotkey), *key)) {
        const DWORD error = GetLastError();
        if (error == ERROR_HOTKEY_ALREADY_REGISTERED) {
            return Grab::InUse;
        }
        ThrowSystemError(error);
    }
    held_ = true;
    return Grab::Held;
}

void Win32Hotkey::Unregister() {
    if (held_) {
        UnregisterHotKey(window_, kHotkeyId);
        held_ = false;
    }
}

bool Win32Hotkey::ModifiersDown() {
    for (int key : {VK_CONTROL, VK_MENU, VK_SHIFT, VK_LWIN, VK_RWIN}) {
        if ((GetAsyncKeyState(key) & 0x8000) != 0) {
            return true;
        }
    }
    return false;
}

void Win32Hotkey::ReleaseModifiers() {
    std::vector<INPUT> releases;
    for (WORD key :
         {VK_LCONTROL, VK_RCONTROL, VK_LMENU, VK_RMENU, VK_LSHIFT, VK_RSHIFT, VK_LWIN, VK_RWIN}) {
        if ((GetAsyncKeyState(key) & 0x8000) != 0) {
            releases.push_back(KeyStroke(key, true));
        }
    }
    if (!releases.empty() && SendInput(static_cast<UINT>(releases.size()), releases.data(),
                                       sizeof(INPUT)) != releases.size()) {
        ThrowLastError();
    }
}

}  // namespace textmend
