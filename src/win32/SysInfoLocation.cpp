#include "win32/SysInfoLocation.h"

#include "win32/Utf.h"

namespace textmend {
namespace {

constexpr DWORD kValueCapacity = 1024;

// "&h" and each byte's hexadecimal digits, from the last byte to the first.
std::string NumberText(const std::string& bytes) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string digits;
    for (auto byte = bytes.rbegin(); byte != bytes.rend(); ++byte) {
        const unsigned code = static_cast<unsigned char>(*byte);
        if (code >= 16) {
            digits += kDigits[code / 16];
        }
        digits += kDigits[code % 16];
    }
    return "&h" + digits;
}

}  // namespace

bool GetKeyValue(HKEY root, const std::string& keyName, const std::string& valueName,
                 std::string& value) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(root, keyName.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) {
        value.clear();
        return false;
    }
    std::string data(kValueCapacity, '\0');
    DWORD type = 0;
    DWORD size = kValueCapacity;
    const LONG result = RegQueryValueExA(key, valueName.c_str(), nullptr, &type,
                                         reinterpret_cast<BYTE*>(data.data()), &size);
    RegCloseKey(key);
    if (result != ERROR_SUCCESS) {
        value.clear();
        return false;
    }
    data.resize(size);
    // A stored terminating NUL is not part of the text; an empty value is empty text.
    if (!data.empty() && data.back() == '\0') {
        data.pop_back();
    }
    if (type == REG_SZ) {
        value = data;
    } else if (type == REG_DWORD) {
        value = NumberText(data);
    }
    return true;
}

bool IsNormalFile(const std::string& path) {
    const DWORD attributes = GetFileAttributesW(Utf8ToWide(path).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        return false;
    }
    constexpr DWORD kNotNormal =
        FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_DIRECTORY;
    return (attributes & kNotNormal) == 0;
}

std::optional<std::string> LocateSysInfoTool(HKEY machine) {
    std::string path;
    if (GetKeyValue(machine, "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "PATH", path)) {
        return path;
    }
    if (!GetKeyValue(machine, "SOFTWARE\\Microsoft\\Shared Tools Location", "MSINFO", path)) {
        return std::nullopt;
    }
    path += "\\MSINFO32.EXE";
    if (!IsNormalFile(path)) {
        return std::nullopt;
    }
    return path;
}

}  // namespace textmend
