#pragma once

#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "engine/OptionSet.h"

namespace textmend {

enum class FilterAction { Process, ShowHelp, ShowVersion, UsageError };

// What one run of textmend-filter has been asked to do.
struct FilterCommand {
    FilterAction action = FilterAction::Process;
    OptionSet options;       // starts empty: Cleanse, every flag clear
    bool raw = false;        // pass line breaks through untranslated
    bool dictionary = true;  // Join split words consults the user's dictionaries
    std::optional<std::filesystem::path> scratchFolder;
    std::string problem;  // for UsageError: what was wrong with the arguments
};

// Reads the arguments after the program name, left to right. Case options replace
// each other, flags only ever add up, and --help or --version end the reading.
FilterCommand ParseFilterArguments(std::span<const std::string_view> arguments);

// One clean-up or case option as the filter spells it, with its window caption.
struct FilterOptionName {
    std::string_view flag;     // "--remcrs"
    std::string_view caption;  // "Remove returns"
    std::string_view summary;  // one line for --help
};

// Every case option, then every clean-up flag, in the order --help lists them.
std::span<const FilterOptionName> CaseOptionNames();
std::span<const FilterOptionName> CleanupOptionNames();

}  // namespace textmend
