// Writes "<its own path>.ran" so that a test can tell which program was started.

#include <windows.h>

#include <string>

int wmain() {
    std::wstring path(MAX_PATH, L'\0');
    path.resize(GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size())));
    HANDLE file = CreateFileW((path + L".ran").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return 1;
    }
    CloseHandle(file);
    return 0;
}
