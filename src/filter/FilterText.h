#pragma once

#include <string>
#include <vector>

#include "filter/FilterCommand.h"

namespace textmend {

struct FilterOutcome {
    std::string text;                 // the result, in the line breaks the input came in
    std::vector<std::string> errors;  // one "Error occurred: #" message for each failed step
};

// Runs the pipeline over input as command says, translating line breaks unless it is
// raw. Works in input's own storage.
FilterOutcome FilterText(std::string input, const FilterCommand& command);

}  // namespace textmend
