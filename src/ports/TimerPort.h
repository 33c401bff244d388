#pragma once

#include <string_view>

#include "engine/StepError.h"

namespace textmend {

// Named timers that tick on the window's thread: each tick of a running timer
// reaches the window as Tick(timerName). A failed start is thrown as StepError.
// Start on a timer that is already running changes nothing (it keeps its
// interval and its next tick); Stop on a stopped timer does nothing.
class TimerPort {
  public:
    virtual ~TimerPort() = default;
    virtual void Start(std::string_view timerName, int intervalMs) = 0;
    virtual void Stop(std::string_view timerName) = 0;
};

}  // namespace textmend
