#pragma once

#include "ports/HotkeyPort.h"

namespace textmend {

// The clean-and-paste hotkey on the X11 desktop.
class QtHotkey : public HotkeyPort {
  public:
    Grab Register(const Hotkey& hotkey) override;
    void Unregister() override;
    bool ModifiersDown() override;
};

// Pasting into the window that has the keyboard focus on the X11 desktop.
class QtKeyboard : public KeyboardPort {
  public:
    std::uintptr_t FocusedWindow() override;
    void Paste(std::uintptr_t window) override;
};

}  // namespace textmend
