// The About dialog's way to the system-information tool: two registry entries
// that locate it, read with read access only, and the start of the tool by path.

#include <string>

#include "dialogs/frmAbout.h"

namespace textmend {
namespace {

constexpr std::uint32_t kStringType = 1;  // REG_SZ
constexpr std::uint32_t kNumberType = 4;  // REG_DWORD
constexpr std::uint32_t kValueCapacity = 1024;

// "&h" and each byte's hexadecimal digits, from the last byte to the first.
std::string NumberText(const std::string& bytes) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string digits;
    for (auto byte = bytes.rbegin(); byte != bytes.rend(); ++byte) {
        unsigned code = static_cast<unsigned char>(*byte);
        if (code >= 16) {
            digits += kDigits[code / 16];
        }
        digits += kDigits[code % 16];
    }
    return "&h" + digits;
}

}  // namespace

bool frmAbout::GetKeyValue(std::uint32_t root, const std::string& keyName,
                           const std::string& valueName, std::string& value) {
    std::uintptr_t key = 0;
    if (registry_.OpenKeyForReading(root, keyName, key) != 0) {
        value.clear();
        return false;
    }
    std::uint32_t type = 0;
    std::string data;
    const std::int32_t result = registry_.QueryValue(key, valueName, type, data, kValueCapacity);
    registry_.CloseKey(key);
    if (result != 0) {
        value.clear();
        return false;
    }
    // A stored terminating NUL is not part of the text; an empty value is empty text.
    if (!data.empty() && data.back() == '\0') {
        data.pop_back();
    }
    if (type == kStringType) {
        value = data;
    } else if (type == kNumberType) {
        value = NumberText(data);
    }
    return true;
}

void frmAbout::StartSysInfo() {
    try {
        std::string path;
        if (!GetKeyValue(kHkeyLocalMachine, "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "PATH",
                         path)) {
            if (!GetKeyValue(kHkeyLocalMachine, "SOFTWARE\\Microsoft\\Shared Tools Location",
                             "MSINFO", path)) {
                ShowUnavailable();
                return;
            }
            path += "\\MSINFO32.EXE";
            if (!system_.IsNormalFile(path)) {
                ShowUnavailable();
                return;
            }
        }
        // A value of another type names no program; there is nothing to start.
        if (path.empty()) {
            ShowUnavailable();
            return;
        }
        system_.StartProgram(path);
    } catch (const StepError&) {
        ShowUnavailable();
    }
}

}  // namespace textmend
