#include "engine/ProcessText.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <initializer_list>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "engine/StepError.h"

namespace textmend {
namespace {

using namespace std::string_literals;
using Flag = CheckState OptionSet::*;

OptionSet Options(CaseMode mode, std::initializer_list<Flag> set) {
    OptionSet options;
    options.caseMode = mode;
    for (Flag flag : set) {
        options.*flag = CheckState::Set;
    }
    return options;
}

const std::initializer_list<Flag> kAllFlags = {
    &OptionSet::remgt,  &OptionSet::dblspc, &OptionSet::sentence, &OptionSet::noblanks,
    &OptionSet::trimcr, &OptionSet::remcrs, &OptionSet::remcrdbl,
};

struct Report {
    std::int32_t number;
    std::string description;
};

class ProcessTextTest : public ::testing::Test {
  protected:
    std::string Run(const std::string& text, const OptionSet& options) {
        return Run(text, options, test::FoldersOf({folder_.path()}));
    }

    std::string Run(const std::string& text, const OptionSet& options,
                    const ScratchFolders& folders) {
        return ProcessText(
            text, options,
            [this](std::int32_t number, const std::string& description) {
                reports_.push_back({number, description});
            },
            folders);
    }

    const test::TempFolder& folder() const { return folder_; }
    const std::vector<Report>& reports() const { return reports_; }

  private:
    test::TempFolder folder_;
    std::vector<Report> reports_;
};

struct PipelineCase {
    const char* name;
    std::string text;
    OptionSet options;
    std::string expected;
};

TEST_F(ProcessTextTest, CaseModesAndTheirCombinations) {
    const PipelineCase cases[] = {
        {"empty option set changes nothing", "  a.  b\r\n\r\n> c \n\0\xff"s, OptionSet{},
         "  a.  b\r\n\r\n> c \n\0\xff"s},
        {"no case choice works like Cleanse", "hELLO.  x", Options(CaseMode::None, {}),
         "hELLO.  x"},
        {"no case choice still runs the flags", "a.  b",
         Options(CaseMode::None, {&OptionSet::dblspc}), "a. b"},
        {"upper with sentence", "hello. world", Options(CaseMode::Upper, {&OptionSet::sentence}),
         "HELLO. WORLD"},
        {"lower with sentence gives sentence case", "HELLO THERE. WORLD? YES",
         Options(CaseMode::Lower, {&OptionSet::sentence}), "Hello there. World? Yes"},
        {"proper keeps the tab", "the CAT\tsat", Options(CaseMode::Proper, {}), "The Cat\tSat"},
        {"proper with a hyphen", "x-RAY", Options(CaseMode::Proper, {}), "X-ray"},
        {"proper with sentence", "hELLO wORLD. (nOTE)",
         Options(CaseMode::Proper, {&OptionSet::sentence}), "Hello World. (Note)"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Run(c.text, c.options), c.expected) << c.name;
    }
    EXPECT_TRUE(reports().empty());
}

TEST_F(ProcessTextTest, StepsRunInTheirFixedOrder) {
    const PipelineCase cases[] = {
        {"quote markers go before blank lines", "> \r\nx",
         Options(CaseMode::Cleanse, {&OptionSet::remgt, &OptionSet::noblanks}), "x\r\n"},
        {"blank lines go before the end is trimmed", "a\r\n\r\nb",
         Options(CaseMode::Cleanse, {&OptionSet::noblanks, &OptionSet::trimcr}), "a\r\nb"},
        {"blank lines go before returns are removed", "a\r\n\r\nb",
         Options(CaseMode::Cleanse, {&OptionSet::noblanks, &OptionSet::remcrs}), "a b\r\n\r\n"},
        {"the program's defaults", "a.  b\r\n\r\n  c  \r\n\r\n", DefaultOptions(), "a. b\r\nc"},
        {"lower case and every flag", "> The QUICK fox.  it ran\r\n>\r\n> AWAY!  gone\r\n\r\n",
         Options(CaseMode::Lower, kAllFlags), "The quick fox. It ran away!  Gone"},
        {"proper case and every flag", "> the QUICK fox.  it RAN\r\n>\r\n> away!  gone\r\n\r\n",
         Options(CaseMode::Proper, kAllFlags), "The Quick Fox. It Ran Away!  Gone"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Run(c.text, c.options), c.expected) << c.name;
    }
    EXPECT_TRUE(reports().empty());
    EXPECT_TRUE(test::ScratchFilesIn(folder().path()).empty());
}

TEST_F(ProcessTextTest, RemoveReturnsOnceOrTwice) {
    OptionSet grayedTwice = Options(CaseMode::Cleanse, {&OptionSet::remcrs});
    grayedTwice.remcrdbl = CheckState::Grayed;
    const PipelineCase cases[] = {
        {"twice without remove returns", "one\r\n",
         Options(CaseMode::Cleanse, {&OptionSet::remcrdbl}), "one\r\n\r\n\r\n\r\n"},
        {"twice with remove returns", "one\r\n",
         Options(CaseMode::Cleanse, {&OptionSet::remcrdbl, &OptionSet::remcrs}),
         "one\r\n\r\n\r\n\r\n"},
        {"once", "one\r\n", Options(CaseMode::Cleanse, {&OptionSet::remcrs}), "one\r\n\r\n"},
        {"grayed twice counts as clear", "one\r\n", grayedTwice, "one\r\n\r\n"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Run(c.text, c.options), c.expected) << c.name;
    }
}

TEST(LeavesTextUnchanged, OnlyWithoutCaseConversionAndSteps) {
    OptionSet grayed;
    for (Flag flag : kAllFlags) {
        grayed.*flag = CheckState::Grayed;
    }
    const struct {
        const char* name;
        OptionSet options;
        bool unchanged;
    } cases[] = {
        {"empty option set", OptionSet{}, true},
        {"no case choice", Options(CaseMode::None, {}), true},
        {"every flag grayed", grayed, true},
        {"upper", Options(CaseMode::Upper, {}), false},
        {"proper", Options(CaseMode::Proper, {}), false},
        {"trim end alone", Options(CaseMode::Cleanse, {&OptionSet::trimcr}), false},
        {"remove returns twice alone", Options(CaseMode::Cleanse, {&OptionSet::remcrdbl}), false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(LeavesTextUnchanged(c.options), c.unchanged) << c.name;
    }
    for (Flag flag : kAllFlags) {
        EXPECT_FALSE(LeavesTextUnchanged(Options(CaseMode::Cleanse, {flag})));
    }
}

TEST_F(ProcessTextTest, GrayedFlagsLeaveTheirStepsOut) {
    const std::string text = "> a.  b\r\n\r\nc\r\n";
    for (Flag flag : kAllFlags) {
        OptionSet options;
        options.*flag = CheckState::Grayed;
        EXPECT_EQ(Run(text, options), text);
    }
    OptionSet allGrayed;
    for (Flag flag : kAllFlags) {
        allGrayed.*flag = CheckState::Grayed;
    }
    EXPECT_EQ(Run(text, allGrayed), text);
}

TEST_F(ProcessTextTest, LongTextThroughEveryStep) {
    OptionSet options = Options(CaseMode::Cleanse, kAllFlags);
    options.remcrdbl = CheckState::Clear;
    const std::string text = test::Repeat("> hello.  world\r\n", 10000);
    ASSERT_GT(text.size(), 100000u);
    EXPECT_EQ(Run(text, options), "Hello. World" + test::Repeat(" hello. World", 9999));
    EXPECT_TRUE(reports().empty());
}

TEST_F(ProcessTextTest, LineStepsFailAndAreSkippedWhenNoFolderCanTakeTheFile) {
    const ScratchFolders none = test::FoldersOf(
        {test::UnusableFolder(folder(), "program"), test::UnusableFolder(folder(), "temporary")});
    OptionSet options = Options(CaseMode::Upper, kAllFlags);
    options.remcrdbl = CheckState::Clear;

    // Upper, double spaces, sentence capitals and the end trim still run.
    EXPECT_EQ(Run("> a.  b\r\n\r\n", options, none), "> A. B");
    ASSERT_EQ(reports().size(), 3u);  // remGT, remBlanks, remCRs
    for (const Report& report : reports()) {
#ifndef _WIN32
        EXPECT_EQ(report.number, ENOTDIR);
        EXPECT_EQ(report.description, std::strerror(ENOTDIR));
#else
        EXPECT_NE(report.number, 0);
        EXPECT_FALSE(report.description.empty());
#endif
    }
}

TEST_F(ProcessTextTest, RemoveReturnsTwiceFailsAsOneStep) {
    const ScratchFolders none = test::FoldersOf({test::UnusableFolder(folder(), "x")});
    const OptionSet options =
        Options(CaseMode::Cleanse, {&OptionSet::remcrdbl, &OptionSet::remcrs, &OptionSet::trimcr});
    EXPECT_EQ(Run("a\r\nb\r\n", options, none), "a\r\nb");
    EXPECT_EQ(reports().size(), 1u);
}

TEST_F(ProcessTextTest, FallsBackToTheSecondFolder) {
    const test::TempFolder second;
    const ScratchFolders folders =
        test::FoldersOf({test::UnusableFolder(folder(), "program"), second.path()});
    EXPECT_EQ(Run("> a\r\n\r\nb", Options(CaseMode::Cleanse, kAllFlags), folders), "A b");
    EXPECT_TRUE(reports().empty());
    EXPECT_TRUE(test::ScratchFilesIn(second.path()).empty());
}

TEST(ProcessTextSink, AnEmptySinkIsNeverCalled) {
    const test::TempFolder owner;
    const ScratchFolders none = test::FoldersOf({test::UnusableFolder(owner, "x")});
    std::string result;
    EXPECT_NO_THROW(result = ProcessText("a\r\nb", Options(CaseMode::Upper, {&OptionSet::remcrs}),
                                         ErrorSink{}, none));
    EXPECT_EQ(result, "A\r\nB");
}

}  // namespace
}  // namespace textmend
