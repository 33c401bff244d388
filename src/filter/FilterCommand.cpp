#include "filter/FilterCommand.h"

#include <array>

namespace textmend {
namespace {

constexpr std::array kCaseOptions = {
    FilterOptionName{"--cleanse", "Cleanse", "no case change (the default)"},
    FilterOptionName{"--upper", "UPPERCASE", "every letter upper case"},
    FilterOptionName{"--lower", "lowercase", "every letter lower case"},
    FilterOptionName{"--proper", "Proper Case", "first letter of every word upper case"},
};
constexpr std::array kCaseModes = {CaseMode::Cleanse, CaseMode::Upper, CaseMode::Lower,
                                   CaseMode::Proper};

constexpr std::array kCleanupOptions = {
    FilterOptionName{"--invisible", "Remove invisible",
                     "removes zero-width, bidi and control characters"},
    FilterOptionName{"--plainpunct", "Plain punctuation",
                     "typographic quotes, dashes and spaces as ASCII"},
    FilterOptionName{"--remgt", "Remove >'s", "removes quote markers at line starts"},
    FilterOptionName{"--joinwords", "Join split words", "joins words hyphenated at line breaks"},
    FilterOptionName{"--dblspc", "No dbl spaces", "shrinks spaces after a period to one"},
    FilterOptionName{"--sentence", "Cap sentences", "capitalises the first letter of sentences"},
    FilterOptionName{"--trimspaces", "Trim line ends", "removes spaces and tabs at line ends"},
    FilterOptionName{"--noblanks", "No blank lines", "removes blank lines, trims the others"},
    FilterOptionName{"--trimcr", "Trim end", "removes the line breaks at the very end"},
    FilterOptionName{"--remcrs", "Remove returns", "joins the lines of each paragraph"},
    FilterOptionName{"--remcrdbl", "Remove rtns 2X",
                     "runs Remove returns twice (wins over --remcrs)"},
    FilterOptionName{"--keeplists", "Keep list items",
                     "Remove returns keeps list items on their own lines"},
};
// Same order as kCleanupOptions.
constexpr std::array kCleanupFlags = {
    &OptionSet::invisible, &OptionSet::plainpunct, &OptionSet::remgt,      &OptionSet::joinwords,
    &OptionSet::dblspc,    &OptionSet::sentence,   &OptionSet::trimspaces, &OptionSet::noblanks,
    &OptionSet::trimcr,    &OptionSet::remcrs,     &OptionSet::remcrdbl,   &OptionSet::keeplists,
};
static_assert(kCaseOptions.size() == kCaseModes.size());
static_assert(kCleanupOptions.size() == kCleanupFlags.size());

constexpr std::string_view kScratchFlag = "--scratch";

FilterCommand UsageError(std::string problem) {
    FilterCommand command;
    command.action = FilterAction::UsageError;
    command.problem = std::move(problem);
    return command;
}

// Applies one option that takes no value; false when the option is unknown.
bool ApplySwitch(std::string_view argument, FilterCommand& command) {
    for (std::size_t i = 0; i < kCaseOptions.size(); ++i) {
        if (argument == kCaseOptions[i].flag) {
            command.options.caseMode = kCaseModes[i];
            return true;
        }
    }
    for (std::size_t i = 0; i < kCleanupOptions.size(); ++i) {
        if (argument == kCleanupOptions[i].flag) {
            command.options.*kCleanupFlags[i] = CheckState::Set;
            return true;
        }
    }
    if (argument == "--defaults") {
        const OptionSet defaults = DefaultOptions();
        command.options.caseMode = defaults.caseMode;
        for (auto flag : kCleanupFlags) {
            if (IsSet(defaults.*flag)) {
                command.options.*flag = CheckState::Set;
            }
        }
        return true;
    }
    if (argument == "--raw") {
        command.raw = true;
        return true;
    }
    if (argument == "--no-dictionary") {
        command.dictionary = false;
        return true;
    }
    return false;
}

}  // namespace

std::span<const FilterOptionName> CaseOptionNames() {
    return kCaseOptions;
}
std::span<const FilterOptionName> CleanupOptionNames() {
    return kCleanupOptions;
}

FilterCommand ParseFilterArguments(std::span<const std::string_view> arguments) {
    FilterCommand command;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string_view argument = arguments[i];
        if (argument == "--help") {
            command.action = FilterAction::ShowHelp;
            return command;
        }
        if (argument == "--version") {
            command.action = FilterAction::ShowVersion;
            return command;
        }
        if (ApplySwitch(argument, command)) {
            continue;
        }
        std::string_view folder;
        if (argument == kScratchFlag) {
            if (i + 1 == arguments.size()) {
                return UsageError("option '--scratch' needs a folder");
            }
            folder = arguments[++i];
        } else if (argument.starts_with(kScratchFlag) && argument[kScratchFlag.size()] == '=') {
            folder = argument.substr(kScratchFlag.size() + 1);
        } else if (argument.starts_with("-")) {
            return UsageError("unknown option '" + std::string(argument) + "'");
        } else {
            return UsageError("unexpected argument '" + std::string(argument) +
                              "' (the text is read from standard input)");
        }
        if (folder.empty()) {
            return UsageError("option '--scratch' needs a folder");
        }
        command.scratchFolder = std::filesystem::path(folder);
    }
    return command;
}

}  // namespace textmend
