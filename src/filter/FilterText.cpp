#include "filter/FilterText.h"

#include "engine/LineBreaks.h"
#include "engine/ProcessText.h"
#include "engine/StepError.h"

namespace textmend {

FilterOutcome FilterText(const std::string& input, const FilterCommand& command) {
    FilterOutcome outcome;
    const ErrorSink sink = [&outcome](std::int32_t number, const std::string& description) {
        outcome.errors.push_back(FormatErrorMessage(number, description));
    };
    const ScratchFolders folders =
        command.scratchFolder ? ScratchFolders{{*command.scratchFolder}} : DefaultScratchFolders();
    if (command.raw) {
        outcome.text = ProcessText(input, command.options, sink, folders);
    } else {
        outcome.text = ToUnixLineBreaks(
            ProcessText(ToEngineLineBreaks(input), command.options, sink, folders));
    }
    return outcome;
}

}  // namespace textmend
