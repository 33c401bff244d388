#pragma once

#include <windows.h>

#include "ports/HotkeyPort.h"

namespace textmend {

// The clean-and-paste hotkey on the Windows desktop: registered for the main
// window, whose WM_HOTKEY is the press.
class Win32Hotkey : public HotkeyPort {
  public:
    // window: the window that receives WM_HOTKEY.
    explicit Win32Hotkey(HWND window) : window_(window) {}
    ~Win32Hotkey() override;
    Win32Hotkey(const Win32Hotkey&) = delete;
    Win32Hotkey& operator=(const Win32Hotkey&) = delete;

    Grab Register(const Hotkey& hotkey) override;
    void Unregister() override;
    bool ModifiersDown() override;
    // Key-ups through SendInput for each of the left and right Ctrl, Alt, Shift
    // and Win keys that is down.
    void ReleaseModifiers() override;

  private:
    HWND window_;
    bool held_ = false;
};

}  // namespace textmend
