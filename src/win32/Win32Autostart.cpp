#include "win32/Win32Autostart.h"

#include <windows.h>

#include <vector>

#include "win32/Win32Error.h"
#include "win32/Win32System.h"

namespace textmend {
namespace {

constexpr wchar_t kRunKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr wchar_t kApprovedKey[] =
    L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\StartupApproved\\Run";
constexpr wchar_t kValueName[] = L"Textmend";

bool IsMissing(LSTATUS status) {
    return status == ERROR_FILE_NOT_FOUND || status == ERROR_PATH_NOT_FOUND;
}

void Check(LSTATUS status) {
    if (status != ERROR_SUCCESS) {
        ThrowSystemError(static_cast<std::uint32_t>(status));
    }
}

// The list of startup apps marks an entry it has switched off with an odd first byte.
bool SwitchedOff() {
    DWORD size = 0;
    LSTATUS status = RegGetValueW(HKEY_CURRENT_USER, kApprovedKey, kValueName, RRF_RT_REG_BINARY,
                                  nullptr, nullptr, &size);
    if (IsMissing(status)) {
        return false;
    }
    Check(status);
    std::vector<BYTE> data(size);
    status = RegGetValueW(HKEY_CURRENT_USER, kApprovedKey, kValueName, RRF_RT_REG_BINARY, nullptr,
                          data.data(), &size);
    Check(status);
    return size > 0 && (data[0] & 1) != 0;
}

}  // namespace

std::wstring RunningExePath() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) {
            ThrowLastError();
        }
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

Win32Autostart::Win32Autostart(std::wstring program) : program_(std::move(program)) {}

Win32Autostart::Win32Autostart() = default;

bool Win32Autostart::IsEnabled() {
    const LSTATUS status =
        RegGetValueW(HKEY_CURRENT_USER, kRunKey, kValueName, RRF_RT_ANY, nullptr, nullptr, nullptr);
    if (IsMissing(status)) {
        return false;
    }
    Check(status);
    return !SwitchedOff();
}

void Win32Autostart::Enable() {
    const std::wstring command = QuotedCommandLine(program_.empty() ? RunningExePath() : program_);
    Check(RegSetKeyValueW(HKEY_CURRENT_USER, kRunKey, kValueName, REG_SZ, command.c_str(),
                          static_cast<DWORD>((command.size() + 1) * sizeof(wchar_t))));
    const LSTATUS cleared = RegDeleteKeyValueW(HKEY_CURRENT_USER, kApprovedKey, kValueName);
    if (!IsMissing(cleared)) {
        Check(cleared);
    }
}

void Win32Autostart::Disable() {
    const LSTATUS status = RegDeleteKeyValueW(HKEY_CURRENT_USER, kRunKey, kValueName);
    if (!IsMissing(status)) {
        Check(status);
    }
}

}  // namespace textmend
