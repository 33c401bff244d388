#pragma once

#include "settings/SettingsBackend.h"

namespace textmend {

// The settings store of the Windows program: the current user's registry hive,
// through the Registry module.
class RegistrySettings : public SettingsBackend {
  public:
    std::string ReadValue(std::uint32_t root, const std::string& keyPath,
                          const std::string& valueName) override;
    void WriteValue(std::uint32_t root, const std::string& keyPath, const std::string& valueName,
                    const std::string& text) override;
};

}  // namespace textmend
