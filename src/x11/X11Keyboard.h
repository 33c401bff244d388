#pragma once

#include <functional>

#include "ports/HotkeyPort.h"
#include "x11/XTestKeys.h"
#include "x11/XcbDisplay.h"

namespace textmend {

// Pasting into the window that has the keyboard focus on the X11 desktop: the
// keys are typed through the XTEST extension, as if on the keyboard.
class X11Keyboard : public KeyboardPort {
  public:
    // display is asked for at each use; it throws a StepError where there is none.
    // typed hears of every paste typed, with the requests that typed it.
    X11Keyboard(std::function<XcbDisplay()> display, std::function<void(TypedSequences)> typed)
        : display_(std::move(display)), typed_(std::move(typed)) {}

    std::uintptr_t FocusedWindow() override;
    void Paste(std::uintptr_t window) override;

  private:
    std::function<XcbDisplay()> display_;
    std::function<void(TypedSequences)> typed_;
};

}  // namespace textmend
