#pragma once

#include <cstdint>

#include "engine/StepError.h"

namespace textmend {

// A platform error number (errno, or a Windows error code) with the platform's text for it.
StepError SystemError(std::int32_t code);

// The calling thread's last platform error (errno, or GetLastError()).
StepError LastSystemError();

// The platform's errors for a missing folder, for exhausted memory and for a file that
// ends before all that was written to it could be read back.
StepError FolderMissingError();
StepError OutOfMemoryError();
StepError ShortReadError();

}  // namespace textmend
