#include "settings/RegistrySettings.h"

#include "settings/Registry.h"

namespace textmend {

std::string RegistrySettings::ReadValue(std::uint32_t root, const std::string& keyPath,
                                        const std::string& valueName) {
    return Registry::ReadValue(root, keyPath, valueName);
}

void RegistrySettings::WriteValue(std::uint32_t root, const std::string& keyPath,
                                  const std::string& valueName, const std::string& text) {
    Registry::WriteValue(root, keyPath, valueName, text);
}

}  // namespace textmend
