#pragma once

#include "ports/SystemPort.h"

namespace textmend {

// The system-information program found on PATH, and programs started through Qt.
class QtSystem : public SystemPort {
  public:
    std::optional<std::string> FindSysInfoTool() override;
    // Starts the program detached; a path in double quotes is taken without them.
    void StartProgram(const std::string& path) override;
};

}  // namespace textmend
