#include "command/CommandProtocol.h"

#include <algorithm>
#include <array>
#include <utility>

namespace textmend {
namespace {

constexpr auto kRequests = std::to_array<std::pair<ProgramCommand, std::string_view>>({
    {ProgramCommand::Show, "show"},
    {ProgramCommand::Process, "process"},
    {ProgramCommand::CleanAndPaste, "clean-and-paste"},
});

constexpr std::string_view kDone = "done";
constexpr std::string_view kFailed = "failed ";

std::string_view WithoutLineEnd(std::string_view line) {
    if (line.ends_with('\n')) {
        line.remove_suffix(1);
    }
    if (line.ends_with('\r')) {
        line.remove_suffix(1);
    }
    return line;
}

// A reason crosses as one line whatever it holds.
std::string OneLine(std::string_view text) {
    std::string line(text);
    std::ranges::replace(line, '\n', ' ');
    std::ranges::replace(line, '\r', ' ');
    return line;
}

}  // namespace

std::optional<std::string> RequestLine(ProgramCommand command) {
    if (command == ProgramCommand::Start) {
        command = ProgramCommand::Show;
    }
    const auto request =
        std::ranges::find(kRequests, command, &std::pair<ProgramCommand, std::string_view>::first);
    if (request == kRequests.end()) {
        return std::nullopt;
    }
    return std::string(request->second) + "\n";
}

std::optional<ProgramCommand> ParseRequest(std::string_view line) {
    const auto request = std::ranges::find(kRequests, WithoutLineEnd(line),
                                           &std::pair<ProgramCommand, std::string_view>::second);
    if (request == kRequests.end()) {
        return std::nullopt;
    }
    return request->first;
}

std::string AnswerLine(const CommandAnswer& answer) {
    if (answer.done) {
        return std::string(kDone) + "\n";
    }
    return std::string(kFailed) + OneLine(answer.reason) + "\n";
}

CommandAnswer ParseAnswer(std::string_view line) {
    if (!line.ends_with('\n')) {
        return CommandAnswer::Failed(std::string(kNoAnswer));
    }
    line = WithoutLineEnd(line);
    if (line == kDone) {
        return CommandAnswer::Done();
    }
    if (line.starts_with(kFailed) && line.size() > kFailed.size()) {
        return CommandAnswer::Failed(std::string(line.substr(kFailed.size())));
    }
    return CommandAnswer::Failed(std::string(kNoAnswer));
}

}  // namespace textmend
