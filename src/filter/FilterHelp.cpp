#include "filter/FilterHelp.h"

#include <span>
#include <string_view>

#include "filter/FilterCommand.h"

namespace textmend {
namespace {

constexpr std::size_t kFlagColumn = 16;
constexpr std::string_view kUsageLine = "Usage: textmend-filter [OPTION]... < INPUT > OUTPUT\n";

// One line of an option list; an empty flag continues the line above.
struct HelpRow {
    std::string_view flag;
    std::string_view text;
};

constexpr HelpRow kLineBreakRows[] = {
    {"(default)", "LF, CR LF and a lone CR are line breaks; every CR LF of"},
    {"", "the result is written as LF"},
    {"--raw", "bytes pass exactly: CR LF and a lone CR are line breaks,"},
    {"", "a lone LF is an ordinary character"},
};

constexpr HelpRow kOtherRows[] = {
    {"--no-dictionary", "--joinwords without a dictionary; by default it keeps the"},
    {"", "hyphen between two known words that are not one word"},
    {"", "(Linux: Hunspell's, for LANGUAGE, LANG and English)"},
    {"--scratch=DIR", "the folder for the scratch files of the line steps"},
    {"", "(default: this program's folder, then the temporary one)"},
    {"--help", "shows this text"},
    {"--version", "shows the version"},
};

void AppendRow(std::string& text, std::string_view flag, std::string_view description) {
    text += "  ";
    text += flag;
    text.append(flag.size() < kFlagColumn ? kFlagColumn - flag.size() : 1, ' ');
    text += description;
    text += '\n';
}

void AppendRows(std::string& text, std::span<const HelpRow> rows) {
    for (const HelpRow& row : rows) {
        AppendRow(text, row.flag, row.text);
    }
}

void AppendOptions(std::string& text, std::span<const FilterOptionName> options) {
    for (const FilterOptionName& option : options) {
        std::string description = "\"";
        description += option.caption;
        description += "\": ";
        description += option.summary;
        AppendRow(text, option.flag, description);
    }
}

}  // namespace

std::string FilterUsageHint() {
    std::string text(kUsageLine);
    text += "Try 'textmend-filter --help' for the list of options.\n";
    return text;
}

std::string FilterHelpText() {
    std::string text(kUsageLine);
    text += "Cleans up the text on standard input and writes it to standard output.\n";
    text += "\nCase conversion (the last one given wins):\n";
    AppendOptions(text, CaseOptionNames());
    text += "\nClean-up steps (each one given runs, always in this order):\n";
    AppendOptions(text, CleanupOptionNames());
    AppendRow(text, "--defaults", "the program's defaults: --cleanse --dblspc --noblanks --trimcr");
    text += "\nLine breaks:\n";
    AppendRows(text, kLineBreakRows);
    text += "\nOther:\n";
    AppendRows(text, kOtherRows);
    text +=
        "\n"
        "Exit status: 0 done; 1 a step failed (\"Error occurred: #\" on standard error, the\n"
        "rest of the steps still ran and the result was written); 2 bad arguments.\n";
    return text;
}

}  // namespace textmend
