#include "command/CommandLine.h"

#include <algorithm>
#include <array>
#include <utility>

namespace textmend {
namespace {

struct Option {
    std::string_view name;
    ProgramCommand command;
    std::string_view help;
};

constexpr auto kOptions = std::to_array<Option>({
    {"--clean-and-paste", ProgramCommand::CleanAndPaste,
     "clean the clipboard's text and paste it where the focus is (the hotkey)"},
    {"--process", ProgramCommand::Process, "clean the clipboard's text (the Process button)"},
    {"--show", ProgramCommand::Show, "bring the window forward"},
    {"--help", ProgramCommand::Help, "print this help and exit"},
    {"--version", ProgramCommand::Version, "print the version and exit"},
});

}  // namespace

CommandLine ParseCommandLine(const std::vector<std::string>& arguments) {
    CommandLine line;
    for (const std::string& argument : arguments) {
        if (!argument.starts_with("--")) {
            continue;
        }
        const auto option = std::ranges::find(kOptions, argument, &Option::name);
        if (option == kOptions.end()) {
            return {.error = "unknown option " + argument + " (see textmend --help)"};
        }
        if (line.command != ProgramCommand::Start && line.command != option->command) {
            return {.error = "one command at a time: " + std::string(OptionName(line.command)) +
                             " and " + argument};
        }
        line.command = option->command;
    }
    return line;
}

std::string_view OptionName(ProgramCommand command) {
    const auto option = std::ranges::find(kOptions, command, &Option::command);
    return option == kOptions.end() ? std::string_view() : option->name;
}

std::string HelpText() {
    std::string text =
        "Usage: textmend [COMMAND]\n"
        "Cleans up the clipboard's text. Without a command, starts Textmend, or brings\n"
        "the running Textmend's window forward.\n"
        "\n"
        "Commands (the running Textmend carries them out; when none runs, --process\n"
        "and --clean-and-paste run once with the stored options, --show starts it):\n";
    for (const Option& option : kOptions) {
        text += "  " + std::string(option.name);
        text.append(std::max<std::size_t>(2, 20 - option.name.size()), ' ');
        text += std::string(option.help) + "\n";
    }
    text +=
        "\n"
        "Exit status: 0 when done, 1 when the command failed (the reason on standard error).\n";
    return text;
}

}  // namespace textmend
