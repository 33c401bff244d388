#pragma once

// How one start of the program asks the running one for a command: one line
// of request, one line of answer, plain text.
//
//   request:  show | process | clean-and-paste
//   answer:   done | failed <why, one line>

#include <optional>
#include <string>
#include <string_view>

#include "command/CommandLine.h"

namespace textmend {

struct CommandAnswer {
    bool done = true;
    // Why it failed, one line; empty when done.
    std::string reason{};

    static CommandAnswer Done() { return {}; }
    static CommandAnswer Failed(std::string reason) { return {false, std::move(reason)}; }
    bool operator==(const CommandAnswer&) const = default;
};

// The request for command, with its line end; a plain start asks for show.
// Help and Version ask nothing: nothing for them.
std::optional<std::string> RequestLine(ProgramCommand command);
// The command a request asks for (a line end is allowed); nothing for anything else.
std::optional<ProgramCommand> ParseRequest(std::string_view line);

std::string AnswerLine(const CommandAnswer& answer);
// An answer that is no answer (a connection closed early, a stranger's bytes)
// is a failure: the running program did not answer.
CommandAnswer ParseAnswer(std::string_view line);

inline constexpr std::string_view kNoAnswer = "the running Textmend did not answer";

}  // namespace textmend
