#pragma once

#include <cstdint>

#include "engine/StepError.h"
#include "settings/Hotkey.h"

namespace textmend {

// A key combination held for the program system-wide: each press, wherever the
// keyboard focus is, reaches the main window as HotkeyPressed().
class HotkeyPort {
  public:
    enum class Grab : std::uint8_t { Held, InUse };

    virtual ~HotkeyPort() = default;
    // Holds hotkey in place of the combination held so far. InUse when another
    // program holds it already; then the program holds none. Other failures are
    // thrown as StepError.
    virtual Grab Register(const Hotkey& hotkey) = 0;
    // Lets go of the combination held, if any.
    virtual void Unregister() = 0;
    // Whether Ctrl, Alt, Shift or Win is held down right now.
    virtual bool ModifiersDown() = 0;
    // Sends the release of every key ModifiersDown counts that is down now, as
    // if the user had let go of it, so that a paste typed next arrives as Ctrl+V
    // alone. Nothing presses them again: the keys are down for the system once
    // more only when the user presses them anew. The core calls it just before
    // the paste when the user still holds the keys after the wait; it lives here
    // rather than in KeyboardPort because only this port knows which keys the
    // hotkey holds. Throws StepError when the keys cannot be sent.
    virtual void ReleaseModifiers() = 0;
};

// The keyboard of the desktop, for pasting where the user types.
class KeyboardPort {
  public:
    virtual ~KeyboardPort() = default;
    // The window that has the keyboard focus now, in the platform's own terms;
    // 0 when none has.
    virtual std::uintptr_t FocusedWindow() = 0;
    // Types Ctrl+V into window, giving it the focus back first when it lost it.
    // Throws StepError when the keys cannot be sent.
    virtual void Paste(std::uintptr_t window) = 0;
};

}  // namespace textmend
