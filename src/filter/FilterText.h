#pragma once

#include <string>
#include <vector>

#include "engine/WordList.h"
#include "filter/FilterCommand.h"

namespace textmend {

struct FilterOutcome {
    std::string text;                 // the result, in the line breaks the input came in
    std::vector<std::string> errors;  // one "Error occurred: #" message for each failed step
};

// Runs the pipeline over input as command says, translating line breaks unless it is
// raw; Join split words consults words when there are any. Works in input's own storage.
FilterOutcome FilterText(std::string input, const FilterCommand& command,
                         const WordList* words = nullptr);

}  // namespace textmend
