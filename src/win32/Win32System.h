#pragma once

// The About dialog's reach into the machine: the registry entries that locate the
// system-information tool, the file test and the program starter.

#include <cstdint>
#include <string>

#include "ui/Ports.h"

namespace textmend {

// Read access only: a standard user is refused anything more under the machine's hive.
class Win32SystemRegistry : public SystemRegistryPort {
  public:
    std::int32_t OpenKeyForReading(std::uint32_t root, const std::string& keyName,
                                   std::uintptr_t& key) override;
    std::int32_t QueryValue(std::uintptr_t key, const std::string& valueName, std::uint32_t& type,
                            std::string& data, std::uint32_t capacity) override;
    void CloseKey(std::uintptr_t key) override;
};

class Win32System : public SystemPort {
  public:
    bool IsNormalFile(const std::string& path) override;
    // The path is quoted as the whole command line, so that a path with spaces can
    // never be read as a shorter program name followed by arguments.
    void StartProgram(const std::string& path) override;
};

// The command line that starts exactly the program at path.
std::wstring QuotedCommandLine(const std::wstring& path);

}  // namespace textmend
