// The five clean-ups added to the pipeline, each through ProcessText with its option set.
#include <gtest/gtest.h>

#include <initializer_list>
#include <set>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "engine/ProcessText.h"
#include "engine/StepError.h"

namespace textmend {
namespace {

using namespace std::string_literals;
using Flag = CheckState OptionSet::*;

struct StepCase {
    const char* name;
    std::string text;
    std::string expected;
};

class FakeWordList : public WordList {
  public:
    explicit FakeWordList(std::initializer_list<std::string> words) : words_(words) {}
    bool Known(std::string_view word) const override { return words_.contains(std::string(word)); }

  private:
    std::set<std::string> words_;
};

class FailingWordList : public WordList {
  public:
    bool Known(std::string_view) const override { throw StepError(5, "no dictionary"); }
};

class CleanupStepsTest : public ::testing::Test {
  protected:
    std::string Run(const std::string& text, std::initializer_list<Flag> flags,
                    const WordList* words = nullptr) {
        return Run(text, flags, words, test::FoldersOf({folder_.path()}));
    }

    std::string Run(const std::string& text, std::initializer_list<Flag> flags,
                    const WordList* words, const ScratchFolders& folders) {
        OptionSet options;
        for (Flag flag : flags) {
            options.*flag = CheckState::Set;
        }
        return ProcessText(
            text, options,
            [this](std::int32_t number, const std::string& description) {
                reports_.push_back(FormatErrorMessage(number, description));
            },
            folders, words);
    }

    void ExpectAll(std::initializer_list<StepCase> cases, std::initializer_list<Flag> flags,
                   const WordList* words = nullptr) {
        for (const StepCase& c : cases) {
            EXPECT_EQ(Run(c.text, flags, words), c.expected) << c.name;
        }
        EXPECT_TRUE(reports_.empty());
        EXPECT_TRUE(test::ScratchFilesIn(folder_.path()).empty());
    }

    const test::TempFolder& folder() const { return folder_; }

    std::vector<std::string> reports_;

  private:
    test::TempFolder folder_;
};

TEST_F(CleanupStepsTest, RemoveInvisible) {
    ExpectAll(
        {
            {"format characters", "a\u200Bb\u2060c\uFEFFd", "abcd"},
            {"bidirectional controls", "\u202Aa\u202Eb\u2066c\u2069", "abc"},
            {"controls but tab, LF and CR", "a\x01\x7F\tb\nc\r\n\x1F"s + '\0', "a\tb\nc\r\n"},
            {"C1 controls, not the no-break space after them", "x\u0080\u009Fy\u00A0", "xy\u00A0"},
            {"joiners and direction marks stay", "\u200C\u200D\u200E\u200F\u061C",
             "\u200C\u200D\u200E\u200F\u061C"},
            {"soft hyphen inside a line", "co\u00ADop", "coop"},
            {"soft hyphen at a break joins", "inter\u00AD\r\nnational", "international"},
            {"at a lone CR", "inter\u00AD\rnational", "international"},
            {"blanks around the break go too", "inter\u00AD \t\r\n\t national", "international"},
            {"astral-plane letters", "\U0001D400\u00AD\r\n\U0001D41A", "\U0001D400\U0001D41A"},
            {"not after a letter", "1\u00AD\r\nx", "1\r\nx"},
            {"not before a letter", "a\u00AD\r\n1", "a\r\n1"},
            {"paragraph end", "a\u00AD\r\n\r\nb", "a\r\n\r\nb"},
            {"break with nothing after", "a\u00AD\r\n", "a\r\n"},
            {"soft hyphen at the end", "a\u00AD", "a"},
            {"a soft hyphen after another follows no letter", "a\u00AD\u00AD\r\nb", "a\r\nb"},
            {"removed characters count as gone", "a\u200B\u00AD\r\u200B\nb", "ab"},
            {"a lone LF is no break", "a\u00AD\nb", "a\nb"},
            {"malformed bytes stay", "\xff\xc2\xe2\x80", "\xff\xc2\xe2\x80"},
        },
        {&OptionSet::invisible});
}

TEST_F(CleanupStepsTest, PlainPunctuation) {
    ExpectAll(
        {
            {"double quotes", "\u201CHi\u201D \u201E\u201F\u2033\u00AB\u00BB", "\"Hi\" \"\"\"\"\""},
            {"single quotes", "\u2018\u2019\u201A\u201B\u2032\u2039\u203A", "'''''''"},
            {"hyphens and short dashes", "\u2010\u2011\u2012\u2013\u2212", "-----"},
            {"long dashes", "a\u2014b\u2015c", "a--b--c"},
            {"ellipsis", "wait\u2026", "wait..."},
            {"spaces", "\u00A0\u2007\u202F\u205F\u2000\u200A", "      "},
            {"neighbours stay", "\u200B\u2016\u00AC\u2027\u2034\U0001F600",
             "\u200B\u2016\u00AC\u2027\u2034\U0001F600"},
            {"malformed bytes stay", "\xe2\x80\xc2", "\xe2\x80\xc2"},
        },
        {&OptionSet::plainpunct});
}

const std::initializer_list<StepCase> kJoinCases = {
    {"lower-case second half: joined", "inter-\r\nnational", "international"},
    {"capital second half: hyphen stays", "Jean-\r\nPierre", "Jean-Pierre"},
    {"both halves capitals", "NATO-\r\nLAND", "NATOLAND"},
    {"lower then capital", "e-\r\nMail", "e-Mail"},
    {"title-case second half", "a-\r\n\u01C5", "a-\u01C5"},
    {"other letters keep the hyphen", "\u4E00-\r\n\u4E8C", "\u4E00-\u4E8C"},
    {"astral-plane letters", "\U0001D400-\r\n\U0001D41A", "\U0001D400\U0001D41A"},
    {"chains", "a-\r\nb-\r\nc", "abc"},
    {"lone CR", "inter-\rnational", "international"},
    {"blanks around the break", "inter- \t\r\n\t national", "international"},
    {"blanks go where the hyphen stays", "Jean- \r\n Pierre", "Jean-Pierre"},
    {"U+2010", "inter\u2010\r\nnational", "international"},
    {"paragraph end", "inter-\r\n\r\nnational", "inter-\r\n\r\nnational"},
    {"blank line", "inter-\r\n \r\nnational", "inter-\r\n \r\nnational"},
    {"hyphen at the end", "inter-", "inter-"},
    {"break with nothing after", "inter-\r\n", "inter-\r\n"},
    {"break with blanks after", "inter-\r\n  ", "inter-\r\n  "},
    {"no letter before", "1-\r\nx", "1-\r\nx"},
    {"no letter after", "a-\r\n1", "a-\r\n1"},
    {"two hyphens", "a--\r\nb", "a--\r\nb"},
    {"a lone LF is no break", "inter-\nnational", "inter-\nnational"},
};

TEST_F(CleanupStepsTest, JoinSplitWords) {
    ExpectAll(kJoinCases, {&OptionSet::joinwords});
}

TEST_F(CleanupStepsTest, JoinSplitWordsWithADictionary) {
    const FakeWordList words{"well", "known", "self",     "esteem", "com",
                             "note", "book",  "notebook", "ab",     "c"};
    ExpectAll(
        {
            {"known halves, unknown whole", "a well-\r\nknown fact", "a well-known fact"},
            {"another", "self-\r\nesteem", "self-esteem"},
            {"unknown half", "com-\r\nputer", "computer"},
            {"known whole", "note-\r\nbook", "notebook"},
            {"halves end at non-letters", "(well-\r\nknown).", "(well-known)."},
            {"a chain's left half is what was joined", "a-\r\nb-\r\nc", "ab-c"},
            {"a kept hyphen is not looked up", "Jean-\r\nPierre", "Jean-Pierre"},
        },
        {&OptionSet::joinwords}, &words);
    const FakeWordList unrelated{"unrelated"};
    ExpectAll(kJoinCases, {&OptionSet::joinwords}, &unrelated);
}

TEST_F(CleanupStepsTest, JoinSplitWordsFailingDictionaryLeavesTheTextAsItWas) {
    const FailingWordList words;
    EXPECT_EQ(Run("inter-\r\nnational  ", {&OptionSet::joinwords, &OptionSet::trimspaces}, &words),
              "inter-\r\nnational");
    EXPECT_EQ(reports_, std::vector<std::string>{FormatErrorMessage(5, "no dictionary")});
}

TEST_F(CleanupStepsTest, TrimLineEnds) {
    ExpectAll(
        {
            {"before breaks and at the end", "a  \r\nb\t\r\nc \t ", "a\r\nb\r\nc"},
            {"lone CR", "a \rb", "a\rb"},
            {"a lone LF is no break", "a \nb", "a \nb"},
            {"blank lines", "  \r\n\t\r\n", "\r\n\r\n"},
            {"leading blanks stay", "  a", "  a"},
            {"no-break spaces stay", "a\u00A0\r\n", "a\u00A0\r\n"},
            {"only blanks", " \t ", ""},
        },
        {&OptionSet::trimspaces});
}

TEST_F(CleanupStepsTest, KeepListItemsMarkers) {
    const struct {
        const char* line;
        bool isItem;
    } lines[] = {
        {"- a", true},      {"* a", true},       {"+ a", true},      {"\u2022\ta", true},
        {"\u25E6 a", true}, {"\u25AA a", true},  {"\u2023 a", true}, {"\u2043 a", true},
        {"\u00B7 a", true}, {"\u2013 a", true},  {"\u2014 a", true}, {"1. a", true},
        {"12) a", true},    {"123. a", true},    {"b) a", true},     {"Z) a", true},
        {"(1) a", true},    {"(123) a", true},   {"(c) a", true},    {"-a", false},
        {"1.a", false},     {"1234. a", false},  {"ab) a", false},   {"a. a", false},
        {"(12a) a", false}, {"() a", false},     {"(ab) a", false},  {"\u00E4) a", false},
        {"1 a", false},     {"\u2212 a", false}, {"(1 a", false},    {"-", false},
    };
    for (const auto& line : lines) {
        const std::string expected = "p" + std::string(line.isItem ? "\r\n" : " ") + line.line;
        EXPECT_EQ(Run("p\r\n"s + line.line, {&OptionSet::remcrs, &OptionSet::keeplists}), expected)
            << line.line;
    }
}

TEST_F(CleanupStepsTest, KeepListItemsOnlyChangesRemoveReturns) {
    const std::string longItem = "- " + test::Repeat("x", 300000);
    const std::string list = "Intro\r\n  - one \r\n- two\r\nend";
    ExpectAll(
        {
            {"items start lines", list, "Intro\r\n- one\r\n- two end"},
            {"after an empty first line", "\r\n- a", " - a"},
            {"after a paragraph end", "a\r\n\r\n- b", "a\r\n\r\n- b"},
            {"a line longer than a piece", "a\r\n" + longItem, "a\r\n" + longItem},
        },
        {&OptionSet::remcrs, &OptionSet::keeplists});
    ExpectAll({{"each pass of Remove rtns 2X", list, "Intro\r\n- one\r\n- two end"}},
              {&OptionSet::remcrdbl, &OptionSet::keeplists});
    ExpectAll({{"without Remove returns", list, list}}, {&OptionSet::keeplists});
    ExpectAll({{"without Keep list items", list, "Intro - one - two end"}}, {&OptionSet::remcrs});
}

TEST_F(CleanupStepsTest, KeepListItemsFailsWithRemoveReturnsAndTheOthersStillRun) {
    const ScratchFolders none = test::FoldersOf({test::UnusableFolder(folder(), "x")});
    EXPECT_EQ(
        Run("a \r\n- b", {&OptionSet::remcrdbl, &OptionSet::keeplists, &OptionSet::trimspaces},
            nullptr, none),
        "a\r\n- b");
    EXPECT_EQ(reports_.size(), 1u);
}

TEST_F(CleanupStepsTest, StepsRunInTheirOrder) {
    const struct {
        const char* name;
        std::string text;
        std::initializer_list<Flag> flags;
        std::string expected;
    } cases[] = {
        {"invisible before joining",
         "inter\u200B-\r\nnational",
         {&OptionSet::invisible, &OptionSet::joinwords},
         "international"},
        {"plain punctuation before joining",
         "inter\u2011\r\nnational",
         {&OptionSet::plainpunct, &OptionSet::joinwords},
         "international"},
        {"plain punctuation before list items",
         "a\r\n\u2012 b",
         {&OptionSet::plainpunct, &OptionSet::remcrs, &OptionSet::keeplists},
         "a\r\n- b"},
        {"quote markers before joining",
         "> inter-\r\n> national",
         {&OptionSet::remgt, &OptionSet::joinwords},
         "international\r\n"},
        {"line ends before the end trim",
         "a\r\n  ",
         {&OptionSet::trimspaces, &OptionSet::trimcr},
         "a"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Run(c.text, c.flags), c.expected) << c.name;
    }
    EXPECT_TRUE(reports_.empty());
}

TEST(CleanupStepsOff, LeaveTheTextAsItWas) {
    const Flag steps[] = {&OptionSet::invisible, &OptionSet::plainpunct, &OptionSet::joinwords,
                          &OptionSet::trimspaces};
    const std::string text = "a\u00AD \u201C-\r\nb \t";
    for (Flag flag : steps) {
        OptionSet options;
        options.*flag = CheckState::Set;
        EXPECT_FALSE(LeavesTextUnchanged(options));
        options.*flag = CheckState::Grayed;
        EXPECT_TRUE(LeavesTextUnchanged(options));
        EXPECT_EQ(ProcessText(text, options, {}), text);
    }
    OptionSet listsAlone;
    listsAlone.keeplists = CheckState::Set;
    EXPECT_TRUE(LeavesTextUnchanged(listsAlone));
}

}  // namespace
}  // namespace textmend
