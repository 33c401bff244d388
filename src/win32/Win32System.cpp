#include "win32/Win32System.h"

#include <windows.h>

#include "win32/SystemError.h"
#include "win32/Utf.h"

namespace textmend {

std::int32_t Win32SystemRegistry::OpenKeyForReading(std::uint32_t root, const std::string& keyName,
                                                    std::uintptr_t& key) {
    HKEY opened = nullptr;
    const LONG result = RegOpenKeyExA(reinterpret_cast<HKEY>(static_cast<std::uintptr_t>(root)),
                                      keyName.c_str(), 0, KEY_READ, &opened);
    key = reinterpret_cast<std::uintptr_t>(opened);
    return result;
}

std::int32_t Win32SystemRegistry::QueryValue(std::uintptr_t key, const std::string& valueName,
                                             std::uint32_t& type, std::string& data,
                                             std::uint32_t capacity) {
    std::string buffer(capacity, '\0');
    DWORD valueType = 0;
    DWORD size = capacity;
    const LONG result = RegQueryValueExA(reinterpret_cast<HKEY>(key), valueName.c_str(), nullptr,
                                         &valueType, reinterpret_cast<BYTE*>(buffer.data()), &size);
    type = valueType;
    if (result == ERROR_SUCCESS) {
        buffer.resize(size < capacity ? size : capacity);
        data = std::move(buffer);
    }
    return result;
}

void Win32SystemRegistry::CloseKey(std::uintptr_t key) {
    if (key != 0) {
        RegCloseKey(reinterpret_cast<HKEY>(key));
    }
}

bool Win32System::IsNormalFile(const std::string& path) {
    const DWORD attributes = GetFileAttributesW(Utf8ToWide(path).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        return false;
    }
    constexpr DWORD kNotNormal =
        FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_DIRECTORY;
    return (attributes & kNotNormal) == 0;
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
