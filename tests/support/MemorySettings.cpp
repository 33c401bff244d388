#include "MemorySettings.h"

#include <utility>

namespace textmend {

std::string MemorySettings::ReadValue(std::uint32_t root, const std::string& keyPath,
                                      const std::string& valueName) {
    const auto value = Find(root, keyPath, valueName);
    if (!value || value->type != kTextType) {
        return {};
    }
    return value->data.substr(0, value->data.find('\0'));
}

void MemorySettings::WriteValue(std::uint32_t root, const std::string& keyPath,
                                const std::string& valueName, const std::string& text) {
    Store(root, keyPath, valueName, StoredValue{kTextType, text});
}

void MemorySettings::Store(std::uint32_t root, const std::string& keyPath,
                           const std::string& valueName, StoredValue value) {
    values_[Location{root, keyPath, valueName}] = std::move(value);
}

std::optional<MemorySettings::StoredValue> MemorySettings::Find(
    std::uint32_t root, const std::string& keyPath, const std::string& valueName) const {
    const auto found = values_.find(Location{root, keyPath, valueName});
    if (found == values_.end()) {
        return std::nullopt;
    }
    return found->second;
}

}  // namespace textmend
