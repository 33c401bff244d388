#include <cerrno>
#include <system_error>

#include "engine/SystemError.h"
#include "engine/internal/SystemErrorText.h"

namespace textmend {

namespace internal {

std::string SystemErrorText(std::int32_t code) {
    return std::generic_category().message(code);
}

}  // namespace internal

StepError SystemError(std::int32_t code) {
    return StepError(code, internal::SystemErrorText(code));
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

}  // namespace textmend
