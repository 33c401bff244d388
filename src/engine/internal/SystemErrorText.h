#pragma once

#include <cstdint>
#include <string>

namespace textmend::internal {

// The platform's one-line text for an error number: strerror's for an errno value; the
// system's message for a Windows error code, without its trailing line break. "Unknown
// error" and the number when the platform has no text for it.
std::string SystemErrorText(std::int32_t code);

}  // namespace textmend::internal
