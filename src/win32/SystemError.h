#pragma once

// Turns a Windows error code into the StepError the core reports.

#include <cstdint>
#include <string>

#include "engine/StepError.h"

namespace textmend {

// The system's own text for the code, without the trailing line break.
std::string SystemErrorText(std::uint32_t code);

// A StepError carrying code (GetLastError() when omitted) and its text.
[[noreturn]] void ThrowSystemError(std::uint32_t code);
[[noreturn]] void ThrowLastError();

}  // namespace textmend
