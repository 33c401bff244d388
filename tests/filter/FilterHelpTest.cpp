#include "filter/FilterHelp.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "filter/FilterCommand.h"

namespace textmend {
namespace {

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);) {
        lines.push_back(line);
    }
    return lines;
}

// The line of the help text that starts with the option, or "" when there is none.
std::string LineOf(std::string_view flag) {
    for (const std::string& line : Lines(FilterHelpText())) {
        const std::size_t start = line.find_first_not_of(' ');
        if (start == std::string::npos) {
            continue;
        }
        const std::string_view trimmed = std::string_view(line).substr(start);
        if (trimmed.starts_with(flag) &&
            (trimmed.size() == flag.size() || trimmed[flag.size()] == ' ')) {
            return line;
        }
    }
    return "";
}

struct CaptionCase {
    std::string_view flag;
    std::string_view caption;
};

void PrintTo(const CaptionCase& c, std::ostream* out) {
    *out << c.flag << " " << c.caption;
}

class FilterHelpCaptionTest : public testing::TestWithParam<CaptionCase> {};

TEST_P(FilterHelpCaptionTest, ListsTheOptionWithItsCaption) {
    const std::string line = LineOf(GetParam().flag);
    ASSERT_FALSE(line.empty()) << GetParam().flag << " is not listed";
    EXPECT_NE(line.find(GetParam().caption), std::string::npos) << line;
}

INSTANTIATE_TEST_SUITE_P(
    EveryOption, FilterHelpCaptionTest,
    testing::Values(
        CaptionCase{"--remcrs", "Remove returns"}, CaptionCase{"--remcrdbl", "Remove rtns 2X"},
        CaptionCase{"--dblspc", "No dbl spaces"}, CaptionCase{"--sentence", "Cap sentences"},
        CaptionCase{"--noblanks", "No blank lines"}, CaptionCase{"--trimcr", "Trim end"},
        CaptionCase{"--remgt", "Remove >'s"}, CaptionCase{"--invisible", "Remove invisible"},
        CaptionCase{"--plainpunct", "Plain punctuation"},
        CaptionCase{"--joinwords", "Join split words"},
        CaptionCase{"--trimspaces", "Trim line ends"},
        CaptionCase{"--keeplists", "Keep list items"}, CaptionCase{"--upper", "UPPERCASE"},
        CaptionCase{"--lower", "lowercase"}, CaptionCase{"--proper", "Proper Case"},
        CaptionCase{"--cleanse", "Cleanse"}));

TEST(FilterHelpTest, ListsTheOptionsWithoutCaptions) {
    for (std::string_view flag :
         {"--defaults", "--raw", "--no-dictionary", "--scratch=DIR", "--help", "--version"}) {
        EXPECT_FALSE(LineOf(flag).empty()) << flag << " is not listed";
    }
}

// Every option the help text offers must be one the parser takes.
TEST(FilterHelpTest, EveryListedOptionIsAccepted) {
    int listed = 0;
    for (const std::string& line : Lines(FilterHelpText())) {
        if (!line.starts_with("  --")) {
            continue;
        }
        std::string flag = line.substr(2, line.find(' ', 2) - 2);
        if (flag == "--scratch=DIR") {
            flag = "--scratch=/tmp";
        }
        const std::vector<std::string_view> arguments{flag};
        EXPECT_NE(ParseFilterArguments(arguments).action, FilterAction::UsageError) << flag;
        ++listed;
    }
    EXPECT_EQ(listed, 16 + 6);
}

TEST(FilterHelpTest, UsageHintPointsToHelp) {
    EXPECT_NE(FilterUsageHint().find("--help"), std::string::npos);
}

}  // namespace
}  // namespace textmend
