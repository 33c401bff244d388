#pragma once

// Turns a Windows error code into the StepError the core reports.

#include <cstdint>
#include <string>

#include "engine/StepError.h"
#include "engine/SystemError.h"

namespace textmend {

// Throw a StepError carrying the code (ThrowSystemError) or GetLastError()
// (ThrowLastError) and its text.
[[noreturn]] void ThrowSystemError(std::uint32_t code);
[[noreturn]] void ThrowLastError();

}  // namespace textmend
