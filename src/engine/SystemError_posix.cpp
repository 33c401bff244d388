#include <cerrno>
#include <system_error>

#include "engine/SystemError.h"

namespace textmend::detail {

StepError SystemError(std::int32_t code) {
    return StepError(code, std::generic_category().message(code));
}

StepError LastSystemError() {
    return SystemError(errno);
}

StepError FolderMissingError() {
    return SystemError(ENOENT);
}

StepError OutOfMemoryError() {
    return SystemError(ENOMEM);
}

StepError ShortReadError() {
    return SystemError(EIO);
}

}  // namespace textmend::detail
