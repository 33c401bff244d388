#include "wayland/WaylandKeyLimits.h"

#include <cerrno>

#include "engine/SystemError.h"

namespace textmend {

void UntypedPaste::Paste(std::uintptr_t /*window*/) {
    throw SystemError(ENOTSUP);
}

}  // namespace textmend
