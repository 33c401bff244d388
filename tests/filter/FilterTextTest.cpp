#include "filter/FilterText.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <regex>
#include <string>
#include <vector>

namespace textmend {
namespace {

FilterCommand Command(const std::vector<std::string_view>& arguments) {
    FilterCommand command = ParseFilterArguments(arguments);
    EXPECT_EQ(command.action, FilterAction::Process) << command.problem;
    return command;
}

struct FilterCase {
    std::string name;
    std::vector<std::string_view> arguments;
    std::string input;
    std::string expected;
};

class FilterTextTest : public testing::TestWithParam<FilterCase> {};

TEST_P(FilterTextTest, ProcessesInTheChosenLineBreaks) {
    const FilterOutcome outcome = FilterText(GetParam().input, Command(GetParam().arguments));
    EXPECT_EQ(outcome.text, GetParam().expected);
    EXPECT_TRUE(outcome.errors.empty());
}

std::string CaseName(const testing::TestParamInfo<FilterCase>& info) {
    return info.param.name;
}

INSTANTIATE_TEST_SUITE_P(
    UnixLineBreaks, FilterTextTest,
    testing::Values(
        FilterCase{"NoOptionsKeepsText", {}, "one\n\ntwo  \n", "one\n\ntwo  \n"},
        FilterCase{
            "BlankLinesAreLines", {"--noblanks"}, "one\ntwo\n\n\nthree\n", "one\ntwo\nthree\n"},
        FilterCase{"ParagraphsJoin", {"--remcrs"}, "one\ntwo\n\nthree", "one two\n\nthree"},
        FilterCase{"EndIsTrimmed", {"--trimcr"}, "one\n\n", "one"},
        FilterCase{"CarriageReturnPairsAlsoBreak", {"--remgt"}, "> a\r\nb", "a\nb\n"},
        FilterCase{"LoneCarriageReturnBreaks", {"--remcrs"}, "one\rtwo", "one two"},
        FilterCase{"Defaults", {"--defaults"}, "Hi.  There\n\n\n  > x  \n", "Hi. There\n> x"}),
    CaseName);

INSTANTIATE_TEST_SUITE_P(
    RawBytes, FilterTextTest,
    testing::Values(
        FilterCase{"LineFeedIsInsideTheLine",
                   {"--raw", "--noblanks"},
                   "one\ntwo\n\n\nthree\n",
                   "one\ntwo\n\n\nthree\n\r\n"},
        FilterCase{"LineFeedsDoNotJoin", {"--raw", "--remcrs"}, "one\ntwo", "one\ntwo"},
        FilterCase{"TrailingLineFeedsStay", {"--raw", "--trimcr"}, "one\n\n", "one\n\n"},
        FilterCase{"TrailingPairsGo", {"--raw", "--trimcr"}, "one\r\n\r\n", "one"},
        FilterCase{"PairsComeOutAsPairs", {"--raw", "--remgt"}, "> a\r\nb", "a\r\nb\r\n"},
        FilterCase{"Defaults", {"--raw", "--defaults"}, "a.  b\n\n\nc\n\n", "a. b\n\n\nc\n\n"}),
    CaseName);

// A folder that no one can create: its path passes through a regular file.
class UnusableScratchFolderTest : public testing::Test {
  protected:
    void SetUp() override {
        file_ = std::filesystem::temp_directory_path() /
                ("textmend-filter-test-" + std::to_string(std::random_device{}()));
        std::ofstream(file_) << "not a folder";
    }
    void TearDown() override { std::filesystem::remove(file_); }

    std::filesystem::path Folder() const { return file_ / "scratch"; }

  private:
    std::filesystem::path file_;
};

TEST_F(UnusableScratchFolderTest, LineStepsFailAndTheOthersStillRun) {
    FilterCommand command = Command({"--upper", "--remgt", "--noblanks", "--trimcr"});
    command.scratchFolder = Folder();
    const FilterOutcome outcome = FilterText("> a\n\n", command);
    // Upper and the end trimming run; the quote markers and the blank line stay.
    EXPECT_EQ(outcome.text, "> A");
    ASSERT_EQ(outcome.errors.size(), 2u);
    const std::regex message("Error occurred: #-?[0-9]+ .+");
    for (const std::string& error : outcome.errors) {
        EXPECT_TRUE(std::regex_match(error, message)) << error;
    }
}

TEST_F(UnusableScratchFolderTest, StepsWithoutScratchFilesDoNotFail) {
    FilterCommand command = Command({"--lower", "--dblspc", "--sentence", "--trimcr"});
    command.scratchFolder = Folder();
    const FilterOutcome outcome = FilterText("ONE.  TWO\n", command);
    EXPECT_EQ(outcome.text, "One. Two");
    EXPECT_TRUE(outcome.errors.empty());
}

}  // namespace
}  // namespace textmend
