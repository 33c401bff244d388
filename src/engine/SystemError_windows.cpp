#include <windows.h>

#include <string>

#include "engine/SystemError.h"
#include "engine/internal/SystemErrorText.h"

namespace textmend {

namespace {

std::string Utf8FromWide(const wchar_t* text, int length) {
    const int size = WideCharToMultiByte(CP_UTF8, 0, text, length, nullptr, 0, nullptr, nullptr);
    std::string out(size > 0 ? static_cast<std::size_t>(size) : 0, '\0');
    if (size > 0) {
        WideCharToMultiByte(CP_UTF8, 0, text, length, out.data(), size, nullptr, nullptr);
    }
    return out;
}

}  // namespace

namespace internal {

std::string SystemErrorText(std::int32_t code) {
    const auto number = static_cast<DWORD>(code);
    wchar_t* buffer = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, number, MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT),
        reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    std::string text;
    if (length != 0 && buffer != nullptr) {
        text = Utf8FromWide(buffer, static_cast<int>(length));
    }
    LocalFree(buffer);
    // The system's messages end in a line break, which has no place in one-line reports.
    while (!text.empty() && (text.back() == '\r' || text.back() == '\n' || text.back() == ' ')) {
        text.pop_back();
    }
    return text.empty() ? "Unknown error " + std::to_string(number) : text;
}

}  // namespace internal

StepError SystemError(std::int32_t code) {
    return StepError(code, internal::SystemErrorText(code));
}

StepError LastSystemError() {
    return SystemError(static_cast<std::int32_t>(GetLastError()));
}

StepError FolderMissingError() {
    return SystemError(ERROR_PATH_NOT_FOUND);
}

StepError OutOfMemoryError() {
    return SystemError(ERROR_NOT_ENOUGH_MEMORY);
}

StepError ShortReadError() {
    return SystemError(ERROR_HANDLE_EOF);
}

}  // namespace textmend
