#pragma once

#include <cstdint>

#include "ports/HotkeyPort.h"

namespace textmend {

// A native Wayland client can grab no key: the combination is taken as held so
// that nothing is reported at start-up, and no press ever comes through here
// (the desktop's own shortcut, or its portal, brings the presses).
class UnheldHotkey : public HotkeyPort {
  public:
    Grab Register(const Hotkey&) override { return Grab::Held; }
    void Unregister() override {}
    // Wayland tells a client the modifiers only while it has the focus.
    bool ModifiersDown() override { return false; }
    // None are ever counted down, so there is nothing to release.
    void ReleaseModifiers() override {}
};

// The keyboard where the compositor offers no virtual keyboard: the paste cannot
// be typed, which Paste reports as ENOTSUP.
class UntypedPaste : public KeyboardPort {
  public:
    std::uintptr_t FocusedWindow() override { return 0; }
    void Paste(std::uintptr_t window) override;
};

}  // namespace textmend
