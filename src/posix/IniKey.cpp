#include "posix/IniKey.h"

namespace textmend {

std::string IniKey(const std::string& keyPath, const std::string& valueName) {
    std::string key;
    for (char c : keyPath) {
        const char part = c == '\\' ? '/' : c;
        // Empty parts (doubled or trailing separators) would make keys that
        // differ only in their slashes; the store keeps one form.
        if (part == '/' && (key.empty() || key.back() == '/')) {
            continue;
        }
        key += part;
    }
    if (!key.empty() && key.back() != '/') {
        key += '/';
    }
    return key + valueName;
}

}  // namespace textmend
