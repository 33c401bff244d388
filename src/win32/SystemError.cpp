#include "win32/SystemError.h"

#include <windows.h>

#include "win32/Utf.h"

namespace textmend {

std::string SystemErrorText(std::uint32_t code) {
    wchar_t* buffer = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, code, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    std::wstring text(buffer != nullptr ? buffer : L"", length);
    LocalFree(buffer);
    while (!text.empty() && (text.back() == L'\n' || text.back() == L'\r' || text.back() == L' ')) {
        text.pop_back();
    }
    if (text.empty()) {
        return "Unknown error";
    }
    return WideToUtf8(text);
}

void ThrowSystemError(std::uint32_t code) {
    throw StepError(static_cast<std::int32_t>(code), SystemErrorText(code));
}

void ThrowLastError() {
    ThrowSystemError(GetLastError());
}

}  // namespace textmend
