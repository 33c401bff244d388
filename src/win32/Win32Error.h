#pragma once

// Turns a Windows error code into the StepError the core reports.

#include <cstdint>
#include <string>

#include "engine/StepError.h"
#include "engine/SystemError.h"
#include "engine/SystemErrorText.h"

namespace textmend {

// A StepError carrying code (GetLastError() when omitted) and its text.
[[noreturn]] void ThrowSystemError(std::uint32_t code);
[[noreturn]] void ThrowLastError();

}  // namespace textmend
