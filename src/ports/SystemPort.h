#pragma once

#include <optional>
#include <string>

#include "engine/StepError.h"

namespace textmend {

// The machine around the program: its system-information tool and other programs.
class SystemPort {
  public:
    virtual ~SystemPort() = default;
    // Where this system's information tool is, by this platform's own way of
    // finding it; nothing when it has none. Throws StepError when looking fails.
    virtual std::optional<std::string> FindSysInfoTool() = 0;
    // Starts the program at path in a normal window with the focus; does not wait.
    // Throws StepError when it cannot be started.
    virtual void StartProgram(const std::string& path) = 0;
};

}  // namespace textmend
