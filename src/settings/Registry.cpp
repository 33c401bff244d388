#include "settings/Registry.h"

#include <windows.h>

#include <algorithm>
#include <cstddef>

// The single-byte ("A") functions are used because every key path, value name
// and stored text here is plain ASCII, which reads the same in any code page.

namespace textmend::Registry {
namespace {

// Predefined roots are sign-extended 32-bit values: HKEY_CURRENT_USER is
// 0xFFFFFFFF80000001 as a 64-bit handle, not 0x80000001.
HKEY RootHandle(std::uint32_t root) {
    return reinterpret_cast<HKEY>(
        static_cast<ULONG_PTR>(static_cast<LONG_PTR>(static_cast<std::int32_t>(root))));
}

class OpenKey {
  public:
    explicit OpenKey(HKEY key) : key_(key) {}
    OpenKey(const OpenKey&) = delete;
    OpenKey& operator=(const OpenKey&) = delete;
    ~OpenKey() { RegCloseKey(key_); }
    HKEY get() const { return key_; }

  private:
    HKEY key_;
};

}  // namespace

std::string ReadValue(std::uint32_t root, const std::string& keyPath,
                      const std::string& valueName) {
    HKEY handle = nullptr;
    if (RegOpenKeyA(RootHandle(root), keyPath.c_str(), &handle) != ERROR_SUCCESS) {
        return {};
    }
    const OpenKey key(handle);

    // First only the type and the size; a missing value leaves the type at 0.
    DWORD type = 0;
    DWORD size = 0;
    RegQueryValueExA(key.get(), valueName.c_str(), nullptr, &type, nullptr, &size);
    if (type != REG_SZ) {
        return {};
    }

    std::string buffer(size, ' ');
    type = 0;
    if (RegQueryValueExA(key.get(), valueName.c_str(), nullptr, &type,
                         reinterpret_cast<BYTE*>(buffer.data()), &size) != ERROR_SUCCESS) {
        return {};
    }
    // The second query says how much it really filled; should the value have
    // shrunk in between, the blanks behind it are no part of the stored text.
    buffer.resize(std::min<std::size_t>(size, buffer.size()));
    return buffer.substr(0, buffer.find('\0'));
}

void WriteValue(std::uint32_t root, const std::string& keyPath, const std::string& valueName,
                const std::string& text) {
    HKEY handle = nullptr;
    if (RegCreateKeyA(RootHandle(root), keyPath.c_str(), &handle) != ERROR_SUCCESS) {
        return;
    }
    const OpenKey key(handle);
    // When the byte after the data is a NUL, RegSetValueExA counts it in as the
    // terminator the caller "forgot", and a std::string always has one there. A
    // copy with a blank behind the text keeps the stored value to the text alone.
    const std::string guarded = text + ' ';
    RegSetValueExA(key.get(), valueName.c_str(), 0, REG_SZ,
                   reinterpret_cast<const BYTE*>(guarded.data()), static_cast<DWORD>(text.size()));
}

}  // namespace textmend::Registry
