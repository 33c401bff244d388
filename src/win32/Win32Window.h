#pragma once

#include <windows.h>

#include "ports/WindowPort.h"
#include "win32/FormWindow.h"

namespace textmend {

// A form window as the core sees a window, in twips at the window's DPI.
class Win32Window : public WindowPort {
  public:
    explicit Win32Window(FormWindow& window) : window_(window) {}

    void Show() override;
    void Hide() override;
    void SetState(WindowState state) override;
    void SetForeground() override;
    void Move(double leftTwips, double topTwips) override;
    TwipSize ScreenSize() override;
    TwipSize OuterSize() override;
    void Repaint() override;

  private:
    FormWindow& window_;
    // The state the window shows in once it is shown.
    WindowState pendingState_ = WindowState::Normal;
};

}  // namespace textmend
