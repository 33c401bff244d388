#pragma once

// The message box and the beep.

#include <windows.h>

#include <string>

#include "ports/AlertPorts.h"
#include "win32/WidgetProbe.h"

namespace textmend {

// OK only and no icon; modal to the owner window.
class Win32MessageBox : public MessageBoxPort {
  public:
    explicit Win32MessageBox(HWND owner = nullptr, WidgetProbe* probe = nullptr)
        : owner_(owner), probe_(probe) {}
    void Show(const std::string& text, const std::string& title) override;

  private:
    HWND owner_;
    WidgetProbe* probe_;
};

// The system's default sound.
class Win32Beep : public BeepPort {
  public:
    void Beep() override;
};

}  // namespace textmend
