#pragma once

#include "engine/StepError.h"

namespace textmend {

// Whether the program starts when the user signs in, as the system records it
// (an autostart entry, a Run value): the system's answer is the state, nothing
// the program stores. Failures are thrown as StepError.
class AutostartPort {
  public:
    virtual ~AutostartPort() = default;
    virtual bool IsEnabled() = 0;
    // Makes the system start this very program at sign-in.
    virtual void Enable() = 0;
    virtual void Disable() = 0;
};

}  // namespace textmend
