#include "win32/StandardStreams.h"

#include <shellapi.h>

#include "win32/Utf.h"

namespace textmend {

std::vector<std::string> ProgramArguments() {
    int count = 0;
    LPWSTR* arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::string> utf8;
    for (int i = 1; arguments != nullptr && i < count; ++i) {
        utf8.push_back(WideToUtf8(arguments[i]));
    }
    LocalFree(arguments);
    return utf8;
}

void WriteStandardStream(DWORD which, const std::string& text) {
    if (text.empty()) {
        return;
    }
    HANDLE stream = GetStdHandle(which);
    if ((stream == nullptr || stream == INVALID_HANDLE_VALUE) &&
        AttachConsole(ATTACH_PARENT_PROCESS)) {
        stream = CreateFileW(L"CONOUT$", GENERIC_WRITE, FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0,
                             nullptr);
    }
    if (stream == nullptr || stream == INVALID_HANDLE_VALUE) {
        return;
    }
    DWORD written = 0;
    WriteFile(stream, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
}

}  // namespace textmend
