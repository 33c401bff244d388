#pragma once

#include <cstdint>

#include "engine/StepError.h"

namespace textmend {

enum class WindowState : std::uint8_t { Normal = 0, Minimized = 1 };

struct TwipSize {
    double width = 0;
    double height = 0;
};

// One top-level window of the program as the platform shows it. Positions and
// sizes are in twips; the front end converts them to its own units. Only placing
// it (ScreenSize, OuterSize, Move) may fail, where the platform does not let
// programs place their windows: that throws StepError.
class WindowPort {
  public:
    virtual ~WindowPort() = default;
    virtual void Show() = 0;
    virtual void Hide() = 0;
    virtual void SetState(WindowState state) = 0;
    virtual void SetForeground() = 0;
    virtual void Move(double leftTwips, double topTwips) = 0;
    virtual TwipSize ScreenSize() = 0;
    virtual TwipSize OuterSize() = 0;
    // Brings every widget up to date with its form's state and paints at once.
    virtual void Repaint() = 0;
};

}  // namespace textmend
