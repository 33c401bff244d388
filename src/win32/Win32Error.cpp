#include "win32/Win32Error.h"

#include <windows.h>

namespace textmend {

void ThrowSystemError(std::uint32_t code) {
    throw SystemError(static_cast<std::int32_t>(code));
}

void ThrowLastError() {
    ThrowSystemError(GetLastError());
}

}  // namespace textmend
