#include "win32/Win32Hotkey.h"

#include <cerrno>
#include <cstring>

namespace textmend {
namespace {

// Global keys are not bound on this desktop yet.
[[noreturn]] void NotAvailable() {
    throw StepError(ENOSYS, std::strerror(ENOSYS));
}

}  // namespace

HotkeyPort::Grab Win32Hotkey::Register(const Hotkey&) {
    NotAvailable();
}

void Win32Hotkey::Unregister() {}

bool Win32Hotkey::ModifiersDown() {
    return false;
}

std::uintptr_t Win32Keyboard::FocusedWindow() {
    return 0;
}

void Win32Keyboard::Paste(std::uintptr_t) {
    NotAvailable();
}

}  // namespace textmend
