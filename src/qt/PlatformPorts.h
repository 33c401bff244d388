#pragma once

#include <functional>
#include <memory>

#include "ports/ClipboardPort.h"
#include "ports/HotkeyPort.h"

namespace textmend {

class QtHotkey;

// The clipboard, the hotkey and the paste's keyboard for the platform the
// toolkit runs on. On X11: the selection read on a connection of its own, a key
// grab on Qt's connection, XTEST. On a native Wayland session: data-control, no
// grab (a Wayland client can hold no key), the virtual keyboard where the
// compositor offers one, else a keyboard that reports the paste cannot be typed.
class PlatformPorts {
  public:
    // afterRead runs on the window's thread after each clipboard read that came
    // back from the background; pressed runs for each press of the hotkey.
    PlatformPorts(std::function<void()> afterRead, std::function<void()> pressed);
    ~PlatformPorts();
    PlatformPorts(const PlatformPorts&) = delete;
    PlatformPorts& operator=(const PlatformPorts&) = delete;

    ClipboardPort& Clipboard() { return *clipboard_; }
    HotkeyPort& Hotkey() { return *hotkey_; }
    KeyboardPort& Keyboard() { return *keyboard_; }

  private:
    std::unique_ptr<ClipboardPort> clipboard_;
    std::unique_ptr<HotkeyPort> hotkey_;
    std::unique_ptr<QtHotkey> hotkeyEvents_;  // X11 only
    std::unique_ptr<KeyboardPort> keyboard_;
};

}  // namespace textmend
