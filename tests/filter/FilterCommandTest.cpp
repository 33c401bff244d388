#include "filter/FilterCommand.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace textmend {
namespace {

FilterCommand Parse(const std::vector<std::string_view>& arguments) {
    return ParseFilterArguments(arguments);
}

// An option set built by hand: the case mode and the flags named.
OptionSet Options(CaseMode mode, std::initializer_list<CheckState OptionSet::*> flags = {}) {
    OptionSet options;
    options.caseMode = mode;
    for (auto flag : flags) {
        options.*flag = CheckState::Set;
    }
    return options;
}

struct OptionsCase {
    std::vector<std::string_view> arguments;
    OptionSet expected;
};

class FilterOptionsTest : public testing::TestWithParam<OptionsCase> {};

TEST_P(FilterOptionsTest, BuildsTheOptionSet) {
    const FilterCommand command = Parse(GetParam().arguments);
    EXPECT_EQ(command.action, FilterAction::Process) << command.problem;
    EXPECT_EQ(command.options, GetParam().expected);
    EXPECT_FALSE(command.raw);
    EXPECT_FALSE(command.scratchFolder.has_value());
}

using O = OptionSet;

INSTANTIATE_TEST_SUITE_P(
    CaseModes, FilterOptionsTest,
    testing::Values(OptionsCase{{}, Options(CaseMode::Cleanse)},
                    OptionsCase{{"--cleanse"}, Options(CaseMode::Cleanse)},
                    OptionsCase{{"--upper"}, Options(CaseMode::Upper)},
                    OptionsCase{{"--lower"}, Options(CaseMode::Lower)},
                    OptionsCase{{"--proper"}, Options(CaseMode::Proper)},
                    OptionsCase{{"--upper", "--lower"}, Options(CaseMode::Lower)},
                    OptionsCase{{"--proper", "--cleanse"}, Options(CaseMode::Cleanse)},
                    OptionsCase{{"--lower", "--remgt", "--proper"},
                                Options(CaseMode::Proper, {&O::remgt})}));

INSTANTIATE_TEST_SUITE_P(
    Flags, FilterOptionsTest,
    testing::Values(OptionsCase{{"--remgt"}, Options(CaseMode::Cleanse, {&O::remgt})},
                    OptionsCase{{"--dblspc"}, Options(CaseMode::Cleanse, {&O::dblspc})},
                    OptionsCase{{"--sentence"}, Options(CaseMode::Cleanse, {&O::sentence})},
                    OptionsCase{{"--noblanks"}, Options(CaseMode::Cleanse, {&O::noblanks})},
                    OptionsCase{{"--trimcr"}, Options(CaseMode::Cleanse, {&O::trimcr})},
                    OptionsCase{{"--remcrs"}, Options(CaseMode::Cleanse, {&O::remcrs})},
                    OptionsCase{{"--remcrdbl"}, Options(CaseMode::Cleanse, {&O::remcrdbl})},
                    OptionsCase{{"--invisible"}, Options(CaseMode::Cleanse, {&O::invisible})},
                    OptionsCase{{"--plainpunct"}, Options(CaseMode::Cleanse, {&O::plainpunct})},
                    OptionsCase{{"--joinwords"}, Options(CaseMode::Cleanse, {&O::joinwords})},
                    OptionsCase{{"--trimspaces"}, Options(CaseMode::Cleanse, {&O::trimspaces})},
                    OptionsCase{{"--keeplists"}, Options(CaseMode::Cleanse, {&O::keeplists})},
                    OptionsCase{{"--remgt", "--remgt"}, Options(CaseMode::Cleanse, {&O::remgt})},
                    OptionsCase{{"--remcrs", "--upper", "--remcrdbl"},
                                Options(CaseMode::Upper, {&O::remcrs, &O::remcrdbl})}));

INSTANTIATE_TEST_SUITE_P(
    Defaults, FilterOptionsTest,
    testing::Values(
        OptionsCase{{"--defaults"},
                    Options(CaseMode::Cleanse, {&O::dblspc, &O::noblanks, &O::trimcr})},
        // Flags given before --defaults stay set.
        OptionsCase{{"--remgt", "--defaults"},
                    Options(CaseMode::Cleanse, {&O::remgt, &O::dblspc, &O::noblanks, &O::trimcr})},
        OptionsCase{{"--defaults", "--remcrs"},
                    Options(CaseMode::Cleanse, {&O::dblspc, &O::noblanks, &O::trimcr, &O::remcrs})},
        // Its case mode is Cleanse, and the last case option wins.
        OptionsCase{{"--upper", "--defaults"},
                    Options(CaseMode::Cleanse, {&O::dblspc, &O::noblanks, &O::trimcr})},
        OptionsCase{{"--defaults", "--upper"},
                    Options(CaseMode::Upper, {&O::dblspc, &O::noblanks, &O::trimcr})}));

TEST(FilterOptionsTest, DefaultsMatchTheProgramsDefaults) {
    OptionSet expected = DefaultOptions();
    EXPECT_EQ(Parse({"--defaults"}).options, expected);
}

TEST(FilterOptionsTest, NoDictionaryOnlyTurnsTheDictionaryOff) {
    EXPECT_TRUE(Parse({"--joinwords"}).dictionary);
    const FilterCommand command = Parse({"--no-dictionary", "--joinwords"});
    EXPECT_EQ(command.action, FilterAction::Process);
    EXPECT_FALSE(command.dictionary);
    EXPECT_EQ(command.options, Options(CaseMode::Cleanse, {&O::joinwords}));
}

TEST(FilterOptionsTest, RawOnlyChangesTheLineBreakHandling) {
    const FilterCommand command = Parse({"--raw", "--upper"});
    EXPECT_EQ(command.action, FilterAction::Process);
    EXPECT_TRUE(command.raw);
    EXPECT_EQ(command.options, Options(CaseMode::Upper));
}

struct ScratchCase {
    std::vector<std::string_view> arguments;
    std::string expectedFolder;
};

class FilterScratchOptionTest : public testing::TestWithParam<ScratchCase> {};

TEST_P(FilterScratchOptionTest, NamesTheScratchFolder) {
    const FilterCommand command = Parse(GetParam().arguments);
    ASSERT_EQ(command.action, FilterAction::Process) << command.problem;
    ASSERT_TRUE(command.scratchFolder.has_value());
    EXPECT_EQ(command.scratchFolder->string(), GetParam().expectedFolder);
}

INSTANTIATE_TEST_SUITE_P(Forms, FilterScratchOptionTest,
                         testing::Values(ScratchCase{{"--scratch=/var/tmp"}, "/var/tmp"},
                                         ScratchCase{{"--scratch", "/var/tmp"}, "/var/tmp"},
                                         ScratchCase{{"--scratch", "--upper"}, "--upper"},
                                         ScratchCase{{"--scratch=a", "--scratch=b"}, "b"},
                                         ScratchCase{{"--scratch=with space=x"}, "with space=x"}));

struct ActionCase {
    std::vector<std::string_view> arguments;
    FilterAction expected;
};

class FilterActionTest : public testing::TestWithParam<ActionCase> {};

TEST_P(FilterActionTest, ChoosesTheAction) {
    EXPECT_EQ(Parse(GetParam().arguments).action, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    HelpAndVersion, FilterActionTest,
    testing::Values(ActionCase{{"--help"}, FilterAction::ShowHelp},
                    ActionCase{{"--version"}, FilterAction::ShowVersion},
                    ActionCase{{"--upper", "--help"}, FilterAction::ShowHelp},
                    ActionCase{{"--raw", "--version", "--help"}, FilterAction::ShowVersion},
                    // Reading ends at --help, so what follows is never looked at.
                    ActionCase{{"--help", "--no-such-option"}, FilterAction::ShowHelp}));

INSTANTIATE_TEST_SUITE_P(
    UsageErrors, FilterActionTest,
    testing::Values(ActionCase{{"--no-such-option"}, FilterAction::UsageError},
                    ActionCase{{"--UPPER"}, FilterAction::UsageError},
                    ActionCase{{"-u"}, FilterAction::UsageError},
                    ActionCase{{"-"}, FilterAction::UsageError},
                    ActionCase{{"--"}, FilterAction::UsageError},
                    ActionCase{{"--upper=yes"}, FilterAction::UsageError},
                    ActionCase{{"--remgtx"}, FilterAction::UsageError},
                    ActionCase{{"mail.txt"}, FilterAction::UsageError},
                    ActionCase{{""}, FilterAction::UsageError},
                    ActionCase{{"--upper", "mail.txt"}, FilterAction::UsageError},
                    ActionCase{{"--no-such-option", "--help"}, FilterAction::UsageError},
                    ActionCase{{"--scratch"}, FilterAction::UsageError},
                    ActionCase{{"--scratch="}, FilterAction::UsageError},
                    ActionCase{{"--scratchy"}, FilterAction::UsageError}));

TEST(FilterUsageErrorTest, ProblemNamesTheOffendingArgument) {
    const FilterCommand command = Parse({"--upper", "--frobnicate"});
    ASSERT_EQ(command.action, FilterAction::UsageError);
    EXPECT_NE(command.problem.find("--frobnicate"), std::string::npos) << command.problem;
}

}  // namespace
}  // namespace textmend
