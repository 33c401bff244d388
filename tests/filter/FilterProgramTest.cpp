// Runs the built textmend-filter through the shell, as a user's script would.

#include <sys/wait.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "textmend/version.h"

namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;

struct FilterRun {
    int exitCode = -1;
    std::string out;
    std::string err;
};

std::string ReadFile(const fs::path& path) {
    std::ifstream stream(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>()};
}

void WriteFile(const fs::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

class FilterProgramTest : public testing::Test {
  protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() /
                  ("textmend-filter-program-" + std::to_string(std::random_device{}()));
        fs::create_directories(folder_);
    }
    void TearDown() override { fs::remove_all(folder_); }

    // The arguments are quoted for the shell; none of them may hold a single quote. The
    // input comes from a file, or through a pipe, whose size is not known beforehand.
    FilterRun Filter(const std::vector<std::string>& arguments, const std::string& input = "",
                     bool throughPipe = false) {
        WriteFile(folder_ / "in", input);
        std::string command = "'" TEXTMEND_FILTER_PROGRAM "'";
        for (const std::string& argument : arguments) {
            command += " '" + argument + "'";
        }
        const std::string in = "'" + (folder_ / "in").string() + "'";
        command = throughPipe ? "cat " + in + " | " + command : command + " < " + in;
        command +=
            " > '" + (folder_ / "out").string() + "' 2> '" + (folder_ / "err").string() + "'";
        const int status = std::system(command.c_str());
        FilterRun run;
        run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        run.out = ReadFile(folder_ / "out");
        run.err = ReadFile(folder_ / "err");
        return run;
    }

    fs::path folder_;
};

TEST_F(FilterProgramTest, VersionPrintsTheVersion) {
    const FilterRun run = Filter({"--version"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, std::string(textmend::kVersionText) + "\n");
    EXPECT_EQ(run.out, "2.3.4\n");
    EXPECT_EQ(run.err, "");
}

TEST_F(FilterProgramTest, HelpListsTheOptionsOnStandardOutput) {
    const FilterRun run = Filter({"--help"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_NE(run.out.find("--remcrdbl"), std::string::npos);
    EXPECT_NE(run.out.find("Remove rtns 2X"), std::string::npos);
    EXPECT_EQ(run.err, "");
}

struct UsageCase {
    std::vector<std::string> arguments;
    std::string named;  // what the message must mention
};

class FilterProgramUsageTest : public FilterProgramTest,
                               public testing::WithParamInterface<UsageCase> {};

TEST_P(FilterProgramUsageTest, BadArgumentsExitWithTwoAndNoOutput) {
    const FilterRun run = Filter(GetParam().arguments, "text\n");
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find(GetParam().named), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("Usage: textmend-filter"), std::string::npos) << run.err;
}

INSTANTIATE_TEST_SUITE_P(Cases, FilterProgramUsageTest,
                         testing::Values(UsageCase{{"--bogus"}, "--bogus"},
                                         UsageCase{{"--upper", "notes.txt"}, "notes.txt"},
                                         UsageCase{{"--scratch"}, "--scratch"}));

struct ProcessCase {
    std::vector<std::string> arguments;
    std::string input;
    std::string expected;
};

class FilterProgramProcessTest : public FilterProgramTest,
                                 public testing::WithParamInterface<ProcessCase> {};

TEST_P(FilterProgramProcessTest, WritesTheResultAndExitsWithZero) {
    const FilterRun run = Filter(GetParam().arguments, GetParam().input);
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, GetParam().expected);
    EXPECT_EQ(run.err, "");
}

INSTANTIATE_TEST_SUITE_P(
    LineBreaks, FilterProgramProcessTest,
    testing::Values(ProcessCase{{"--defaults"}, "a.  b\n\n\nc\n\n", "a. b\nc"},
                    ProcessCase{{"--defaults", "--raw"}, "a.  b\n\n\nc\n\n", "a. b\n\n\nc\n\n"},
                    ProcessCase{{"--defaults", "--raw"}, "a.  b\r\n\r\n\r\nc\r\n\r\n", "a. b\r\nc"},
                    ProcessCase{{"--remgt"}, "> one\n>> two\n", "one\ntwo\n\n"},
                    ProcessCase{{"--remgt", "--raw"}, "> one\n>> two\n", "one\n>> two\n\r\n"},
                    ProcessCase{{}, "", ""}));

// NUL, bytes that are not UTF-8 and a lone CR all pass unchanged, with or without --raw.
INSTANTIATE_TEST_SUITE_P(
    BinarySafety, FilterProgramProcessTest,
    testing::Values(ProcessCase{{}, "a\0b\xff\xfe\n\x80\r"s, "a\0b\xff\xfe\n\x80\r"s},
                    ProcessCase{{"--raw"}, "a\0b\xff\xfe\n\x80\r\n"s, "a\0b\xff\xfe\n\x80\r\n"s}));

// English is always among the dictionaries; installed by scripts/install-deps.sh.
INSTANTIATE_TEST_SUITE_P(
    Dictionary, FilterProgramProcessTest,
    testing::Values(ProcessCase{{"--joinwords"}, "well-\nknown com-\nputer", "well-known computer"},
                    ProcessCase{{"--joinwords", "--no-dictionary"},
                                "well-\nknown com-\nputer",
                                "wellknown computer"}));

TEST_F(FilterProgramTest, LargeInputPassesWhole) {
    std::string input;
    for (int i = 0; input.size() < 300'000; ++i) {
        input += "line " + std::to_string(i) + "\n";
    }
    const FilterRun run = Filter({}, input);
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, input);
}

TEST_F(FilterProgramTest, LargeInputThroughAPipe) {
    std::string input;
    for (int i = 0; input.size() < 1'500'000; ++i) {
        input += "line " + std::to_string(i) + "\n";
    }
    std::string upper = input;
    for (char& c : upper) {
        c = c == 'l' ? 'L' : c == 'i' ? 'I' : c == 'n' ? 'N' : c == 'e' ? 'E' : c;
    }
    const struct {
        std::vector<std::string> arguments;
        std::string expected;
    } cases[] = {
        {{"--raw"}, input},
        {{"--raw", "--upper"}, upper},
        {{"--trimcr"}, input.substr(0, input.size() - 1)},
    };
    for (const auto& c : cases) {
        const FilterRun run = Filter(c.arguments, input, true);
        EXPECT_EQ(run.exitCode, 0) << c.arguments.back();
        EXPECT_TRUE(run.out == c.expected) << c.arguments.back();
        EXPECT_EQ(run.err, "");
    }
}

TEST_F(FilterProgramTest, FailedStepsAreReportedAndTheResultStillWritten) {
    // A scratch folder below a regular file can never be created, not even by root.
    WriteFile(folder_ / "file", "not a folder");
    const std::string scratch = "--scratch=" + (folder_ / "file" / "sub").string();
    const FilterRun run = Filter({scratch, "--upper", "--remgt", "--remcrs"}, "> one\n> two\n");
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.out, "> ONE\n> TWO\n");
    std::istringstream lines(run.err);
    int messages = 0;
    for (std::string line; std::getline(lines, line); ++messages) {
        EXPECT_TRUE(std::regex_match(line, std::regex("Error occurred: #-?[0-9]+ .+"))) << line;
    }
    EXPECT_EQ(messages, 2) << run.err;
}

}  // namespace
