#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "LinePass.h"
#include "OptionSet.h"

namespace textmend {

// Receives each failed step's number and description at the moment it fails.
using ErrorSink = std::function<void(std::int32_t number, const std::string& description)>;

// Converts the case, then runs the chosen clean-up steps in their fixed order.
// A failing step is reported to sink and skipped; the pipeline never throws.
std::string ProcessText(const std::string& text, const OptionSet& options, const ErrorSink& sink,
                        const ScratchFolders& folders = DefaultScratchFolders());

}  // namespace textmend
