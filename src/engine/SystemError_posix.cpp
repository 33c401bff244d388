#include <cerrno>
#include <system_error>

#include "engine/SystemError.h"
#include "engine/SystemErrorText.h"

namespace textmend {

std::string SystemErrorText(std::int32_t code) {
    return std::generic_category().message(code);
}

}  // namespace textmend

namespace textmend::detail {

StepError SystemError(std::int32_t code) {
    return StepError(code, SystemErrorText(code));
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
