#pragma once

#include "ui/Ports.h"

namespace textmend {

// Files and programs, through Qt.
class QtSystem : public SystemPort {
  public:
    bool IsNormalFile(const std::string& path) override;
    // Starts the program detached; a path in double quotes is taken without them.
    void StartProgram(const std::string& path) override;
};

}  // namespace textmend
