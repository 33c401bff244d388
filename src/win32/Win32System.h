#pragma once

#include <string>

#include "ports/SystemPort.h"

namespace textmend {

class Win32System : public SystemPort {
  public:
    // The system-information tool where the machine's registry says it is.
    std::optional<std::string> FindSysInfoTool() override;
    // The path is quoted as the whole command line, so that a path with spaces can
    // never be read as a shorter program name followed by arguments.
    void StartProgram(const std::string& path) override;
};

// The command line that starts exactly the program at path.
std::wstring QuotedCommandLine(const std::wstring& path);

}  // namespace textmend
