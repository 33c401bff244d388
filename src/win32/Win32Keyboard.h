#pragma once

#include <windows.h>

#include "ports/HotkeyPort.h"

namespace textmend {

// One key going down or up, for SendInput.
INPUT KeyStroke(WORD virtualKey, bool up);

// Pasting where the user types on the Windows desktop: the keys go to the
// foreground window, which hands them to its control with the focus.
class Win32Keyboard : public KeyboardPort {
  public:
    std::uintptr_t FocusedWindow() override;
    void Paste(std::uintptr_t window) override;
};

}  // namespace textmend
