#pragma once

#include <string>

namespace textmend {

// The text of --help: every option with the caption of its window control.
std::string FilterHelpText();

// The short hint printed after a usage error.
std::string FilterUsageHint();

}  // namespace textmend
