#pragma once

#include <functional>
#include <memory>

#include "ports/ClipboardPort.h"
#include "ports/HotkeyPort.h"

namespace textmend {

class QtHotkey;

// The clipboard, the hotkey and the paste's keyboard for the session the program
// runs in. On X11: the selection read on a connection of its own, a key grab on
// Qt's connection, XTEST. The clipboard on a native Wayland client: data-control.
// On any Wayland session (through XWayland too, where a grab sees only X11
// windows and XTEST reaches only them): the hotkey through the desktop portal
// (nobody holds it without one), the paste through the compositor's virtual
// keyboard where it offers one, else through the portal's remote keyboard.
class PlatformPorts {
  public:
    // afterRead runs on the window's thread after each clipboard read that came
    // back from the background; pressed runs for each press of the hotkey;
    // pasteRefused when the desktop refuses a paste after Paste has returned.
    PlatformPorts(std::function<void()> afterRead, std::function<void()> pressed,
                  std::function<void()> pasteRefused);
    ~PlatformPorts();
    PlatformPorts(const PlatformPorts&) = delete;
    PlatformPorts& operator=(const PlatformPorts&) = delete;

    ClipboardPort& Clipboard() { return *clipboard_; }
    HotkeyPort& Hotkey() { return *hotkey_; }
    KeyboardPort& Keyboard() { return *keyboard_; }
    // Whether the clipboard still holds the text this program put there last.
    bool OffersOwnText();

  private:
    std::unique_ptr<ClipboardPort> clipboard_;
    std::unique_ptr<HotkeyPort> hotkey_;
    std::unique_ptr<QtHotkey> hotkeyEvents_;  // X11 only
    std::unique_ptr<KeyboardPort> keyboard_;
};

}  // namespace textmend
