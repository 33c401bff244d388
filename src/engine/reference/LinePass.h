#pragma once

// The forms that mirror the original routines one to one, kept as the reference the
// fast pipeline is checked against by the tests, the benchmark and the fuzz target.
// The programs never call them.

#include <functional>
#include <string>
#include <string_view>

#include "engine/ScratchFolders.h"

namespace textmend::reference {

// Writes temp and a CR LF to a scratch file of its own, reads it back line by line
// (a line ends at CR or CR LF; a lone LF stays inside its line), hands each line to
// step and removes the file on every path. Throws StepError when no folder can take
// the file or a file step fails.
void LinePass(const std::string& temp, const ScratchFolders& folders,
              const std::function<void(std::string_view line)>& step);

// Removes the tabs at the start of temp, stores the result in temp and returns it.
std::string TTrim(std::string& temp);

// Removes the spaces at both ends of line, then its leading tabs.
std::string TrimLine(std::string_view line);

}  // namespace textmend::reference
