#include "qt/QtHotkey.h"

#include <cerrno>
#include <cstring>

namespace textmend {
namespace {

// Global keys are not bound on this desktop yet.
[[noreturn]] void NotAvailable() {
    throw StepError(ENOSYS, std::strerror(ENOSYS));
}

}  // namespace

HotkeyPort::Grab QtHotkey::Register(const Hotkey&) {
    NotAvailable();
}

void QtHotkey::Unregister() {}

bool QtHotkey::ModifiersDown() {
    return false;
}

std::uintptr_t QtKeyboard::FocusedWindow() {
    return 0;
}

void QtKeyboard::Paste(std::uintptr_t) {
    NotAvailable();
}

}  // namespace textmend
