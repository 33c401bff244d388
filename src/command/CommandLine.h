#pragma once

// The program's own command line: the commands a desktop shortcut can run.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace textmend {

enum class ProgramCommand : std::uint8_t {
    Start,          // no command: the window, or the running one's brought forward
    Show,           // --show
    Process,        // --process
    CleanAndPaste,  // --clean-and-paste
    Help,           // --help
    Version,        // --version
};

struct CommandLine {
    ProgramCommand command = ProgramCommand::Start;
    // Why the arguments ask for nothing this program does; one line.
    std::optional<std::string> error{};
};

// arguments: those after the program's name. Options with two dashes are the
// program's; anything else (-display NAME) is left to the toolkit.
CommandLine ParseCommandLine(const std::vector<std::string>& arguments);

// The option that names command ("--process"); empty for Start.
std::string_view OptionName(ProgramCommand command);

// What --help prints.
std::string HelpText();

}  // namespace textmend
