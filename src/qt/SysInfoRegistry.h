#pragma once

// Linux has no machine registry. The About dialog looks for the system-information
// program under one machine-wide value; this read-only view holds that one value,
// naming the first system-information program found on PATH, and nothing else.

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/Ports.h"

namespace textmend {

// The programs tried, best first.
const std::vector<std::string>& SysInfoProgramNames();

// The first name found as an executable file in a folder of searchPath (folders
// separated by ':', tried in order), as that folder joined with the name.
std::optional<std::string> FindOnPath(const std::vector<std::string>& names,
                                      std::string_view searchPath,
                                      const std::function<bool(const std::string&)>& isExecutable);

class SysInfoRegistry : public SystemRegistryPort {
  public:
    // locate is asked at every opening, so a program installed while the
    // program runs is found.
    explicit SysInfoRegistry(std::function<std::optional<std::string>()> locate);

    std::int32_t OpenKeyForReading(std::uint32_t root, const std::string& keyName,
                                   std::uintptr_t& key) override;
    std::int32_t QueryValue(std::uintptr_t key, const std::string& valueName, std::uint32_t& type,
                            std::string& data, std::uint32_t capacity) override;
    void CloseKey(std::uintptr_t key) override;

  private:
    std::function<std::optional<std::string>()> locate_;
    std::optional<std::string> openPath_;
};

}  // namespace textmend
