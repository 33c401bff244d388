#pragma once

#include "ports/HotkeyPort.h"

namespace textmend {

// Pasting into the window that has the keyboard focus on the X11 desktop: the
// keys are typed through the XTEST extension, as if on the keyboard.
class QtKeyboard : public KeyboardPort {
  public:
    std::uintptr_t FocusedWindow() override;
    void Paste(std::uintptr_t window) override;
};

}  // namespace textmend
