#include "filter/FilterText.h"

#include <utility>

#include "engine/LineBreaks.h"
#include "engine/ProcessText.h"
#include "engine/StepError.h"

namespace textmend {

FilterOutcome FilterText(std::string input, const FilterCommand& command, const WordList* words) {
    FilterOutcome outcome;
    const ErrorSink sink = [&outcome](std::int32_t number, const std::string& description) {
        outcome.errors.push_back(FormatErrorMessage(number, description));
    };
    const ScratchFolders folders =
        command.scratchFolder ? ScratchFolders{{*command.scratchFolder}} : DefaultScratchFolders();
    if (command.raw) {
        outcome.text = ProcessText(std::move(input), command.options, sink, folders, words);
    } else {
        outcome.text = ToUnixLineBreaks(ProcessText(ToEngineLineBreaks(std::move(input)),
                                                    command.options, sink, folders, words));
    }
    return outcome;
}

}  // namespace textmend
