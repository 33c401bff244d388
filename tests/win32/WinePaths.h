#pragma once

// Build paths as the Windows program sees them under Wine: the host's root is
// drive Z.

#include <string>

namespace textmend::testing {

inline std::wstring HostPathToWindows(const std::string& hostPath) {
    std::wstring path = L"Z:";
    for (char c : hostPath) {
        path += c == '/' ? L'\\' : static_cast<wchar_t>(c);
    }
    return path;
}

}  // namespace textmend::testing
