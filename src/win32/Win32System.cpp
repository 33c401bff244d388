#include "win32/Win32System.h"

#include <windows.h>

#include "win32/SysInfoLocation.h"
#include "win32/Utf.h"
#include "win32/Win32Error.h"

namespace textmend {

std::optional<std::string> Win32System::FindSysInfoTool() {
    return LocateSysInfoTool();
}

std::wstring QuotedCommandLine(const std::wstring& path) {
    return L"\"" + path + L"\"";
}

void Win32System::StartProgram(const std::string& path) {
    const std::wstring program = Utf8ToWide(path);
    std::wstring commandLine = QuotedCommandLine(program);
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &process)) {
        ThrowLastError();
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
}

}  // namespace textmend
