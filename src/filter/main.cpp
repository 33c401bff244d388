// textmend-filter: the text engine as a command-line filter, standard input to
// standard output.

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "engine/ProcessText.h"
#include "filter/FilterCommand.h"
#include "filter/FilterDictionary.h"
#include "filter/FilterHelp.h"
#include "filter/FilterText.h"
#include "filter/StandardStreams.h"
#include "textmend/version.h"

namespace {

constexpr int kExitDone = 0;
constexpr int kExitStepFailed = 1;
constexpr int kExitUsage = 2;

int ReportStreamFailure(const char* what) {
    std::fprintf(stderr, "textmend-filter: cannot %s: %s\n", what, std::strerror(errno));
    return kExitStepFailed;
}

int Process(const textmend::FilterCommand& command) {
    if (command.raw && textmend::LeavesTextUnchanged(command.options)) {
        // Nothing to change: the bytes go through as they come, none held.
        if (!textmend::CopyWholeStream(stdin, stdout)) {
            return ReportStreamFailure(std::ferror(stdin) != 0 ? "read standard input"
                                                               : "write standard output");
        }
        return kExitDone;
    }
    std::string input;
    if (!textmend::ReadWholeStream(stdin, input)) {
        return ReportStreamFailure("read standard input");
    }
    const std::unique_ptr<textmend::WordList> words =
        command.dictionary && textmend::IsSet(command.options.joinwords)
            ? textmend::FilterDictionary()
            : nullptr;
    const textmend::FilterOutcome outcome =
        textmend::FilterText(std::move(input), command, words.get());
    for (const std::string& error : outcome.errors) {
        std::fprintf(stderr, "%s\n", error.c_str());
    }
    if (!textmend::WriteWholeStream(stdout, outcome.text)) {
        return ReportStreamFailure("write standard output");
    }
    return outcome.errors.empty() ? kExitDone : kExitStepFailed;
}

}  // namespace

int main(int argc, char** argv) {
    textmend::UseBinaryStandardStreams();
    const std::vector<std::string_view> arguments(argv + 1, argv + argc);
    const textmend::FilterCommand command = textmend::ParseFilterArguments(arguments);
    switch (command.action) {
        case textmend::FilterAction::ShowHelp:
            std::fputs(textmend::FilterHelpText().c_str(), stdout);
            return kExitDone;
        case textmend::FilterAction::ShowVersion:
            std::printf("%s\n", textmend::kVersionText);
            return kExitDone;
        case textmend::FilterAction::UsageError:
            std::fprintf(stderr, "textmend-filter: %s\n%s", command.problem.c_str(),
                         textmend::FilterUsageHint().c_str());
            return kExitUsage;
        case textmend::FilterAction::Process:
            break;
    }
    return Process(command);
}
