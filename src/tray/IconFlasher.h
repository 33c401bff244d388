#pragma once

// The count behind the tray icon's flashing after each automatic run: seven
// ticks of the flash timer show autoprocess, normal, autoprocess, normal,
// autoprocess, normal, normal, and the last tick stops the timer.

#include <cstdint>

#include "ports/TrayPort.h"

namespace textmend {

struct FlashStep {
    TrayImage image;
    bool stopTimer;
};

class IconFlasher {
  public:
    // One tick of the flash timer: the image to show now and whether the
    // sequence has ended. A restart during a sequence does not reset the count.
    FlashStep Tick();

    std::int16_t flashCount() const { return flashCount_; }

  private:
    std::int16_t flashCount_ = 0;
};

}  // namespace textmend
