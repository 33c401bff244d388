// The Process command: the clipboard's text through the chosen options and
// back, with failing steps and failing clipboard calls.

#include <gtest/gtest.h>

#include "MainHarness.h"

namespace textmend::testing {
namespace {

struct ProcessCase {
    const char* name;
    const char* caseOption;
    std::vector<std::string> boxes;
    std::string input;
    std::string expected;
};

class ProcessCommand : public ::testing::TestWithParam<ProcessCase> {};

TEST_P(ProcessCommand, ReplacesTheClipboardAndShowsTheResult) {
    MainHarness h;
    h.Load();
    h.ChooseOptions(GetParam().caseOption, GetParam().boxes);
    h.clipboard.Copy(GetParam().input);
    h.form->Click("cmdProcess");
    EXPECT_EQ(h.clipboard.Text(), GetParam().expected);
    EXPECT_EQ(h.Text("txtClipboard"), GetParam().expected);
    EXPECT_LT(h.JournalIndex("clipboard empty"),
              h.JournalIndex("clipboard put " + GetParam().expected));
    EXPECT_TRUE(h.messageBox.shown.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Options, ProcessCommand,
    ::testing::Values(
        ProcessCase{"CleanseAloneKeepsTheText",
                    "optClean",
                    {},
                    "One.  two\r\n\r\nThree",
                    "One.  two\r\n\r\nThree"},
        ProcessCase{"UppercaseIncludesAccentedLetters", "optUpper", {}, "déjà vu", "DÉJÀ VU"},
        ProcessCase{"LowercaseThenSentenceCapitals",
                    "optLower",
                    {"chkSentence"},
                    "HELLO. WORLD",
                    "Hello. World"},
        ProcessCase{"ProperCase", "optProper", {}, "hELLO wORLD", "Hello World"},
        ProcessCase{
            "DoubleSpacesAfterPeriods", "optClean", {"chkDblspc"}, "End.  Next", "End. Next"},
        ProcessCase{"ClearedBoxLeavesItsStepOut", "optClean", {}, "End.  Next", "End.  Next"},
        ProcessCase{"RemoveInvisible", "optClean", {"chkInvisible"}, "a\u200Bb\uFEFF", "ab"},
        ProcessCase{"PlainPunctuation",
                    "optClean",
                    {"chkPlainPunct"},
                    "\u201CIt\u2019s\u201D \u2014 ok\u2026",
                    "\"It's\" -- ok..."},
        ProcessCase{"JoinSplitWordsWithoutDictionary",
                    "optClean",
                    {"chkJoinWords"},
                    "inter-\r\nnational",
                    "international"},
        ProcessCase{"TrimLineEnds", "optClean", {"chkTrimSpaces"}, "a \t\r\nb  ", "a\r\nb"},
        ProcessCase{"KeepListItems",
                    "optClean",
                    {"chkRemCRs", "chkKeepLists"},
                    "Items\r\n- one\r\n- two",
                    "Items\r\n- one\r\n- two"}),
    [](const auto& info) { return std::string(info.param.name); });

// Known halves whose joined word is not known keep their hyphen.
class KnownWords : public WordList {
  public:
    bool Known(std::string_view word) const override { return word == "well" || word == "known"; }
};

TEST(ProcessCommandJoiningSplitWords, OpensTheDictionaryOnceWhenFirstJoining) {
    MainHarness h;
    h.dictionary = [] { return std::make_unique<KnownWords>(); };
    h.Load();
    h.ChooseOptions("optClean", {});
    h.clipboard.Copy("well-\r\nknown");
    h.form->Click("cmdProcess");
    EXPECT_EQ(h.dictionariesOpened, 0);
    h.form->Click("chkJoinWords");
    for (int run = 0; run < 2; ++run) {
        h.clipboard.Copy("well-\r\nknown");
        h.form->Click("cmdProcess");
        EXPECT_EQ(h.clipboard.Text(), "well-known") << run;
    }
    EXPECT_EQ(h.dictionariesOpened, 1);
}

TEST(ProcessCommandJoiningSplitWords, FallsBackToThePlainRuleWhenTheDictionaryFails) {
    MainHarness h;
    h.dictionary = []() -> std::unique_ptr<WordList> { throw Failure(); };
    h.Load();
    h.ChooseOptions("optClean", {"chkJoinWords"});
    h.clipboard.Copy("well-\r\nknown");
    h.form->Click("cmdProcess");
    EXPECT_EQ(h.clipboard.Text(), "wellknown");
}

TEST(ProcessCommandWithoutText, SaysSoAndTouchesNothing) {
    MainHarness h;
    h.Load();
    h.form->Change("txtClipboard", "earlier");
    h.clipboard.CopyPicture();
    h.form->Click("cmdProcess");
    ASSERT_EQ(h.messageBox.shown.size(), 1u);
    EXPECT_EQ(h.messageBox.shown[0].first, "There is no text on the Clipboard.");
    EXPECT_EQ(h.messageBox.shown[0].second, "Textmend");
    EXPECT_FALSE(h.Journaled("clipboard empty"));
    EXPECT_EQ(h.clipboard.puts, 0);
    EXPECT_EQ(h.Text("txtClipboard"), "earlier");
}

TEST(ProcessCommandWithGrayedBox, CountsTheBoxAsClear) {
    MainHarness h;
    h.settings.StoreText("dblspc", "2");
    h.Load();
    h.clipboard.Copy("End.  Next");
    h.form->cmdProcess_Click();
    EXPECT_EQ(h.clipboard.Text(), "End.  Next");
}

TEST(ProcessCommandWithoutCaseChoice, MakesNoCaseChange) {
    MainHarness h;
    for (const char* key : {"upper", "lower", "clean", "proper"}) {
        h.settings.StoreText(key, "False");
    }
    h.Load();
    h.clipboard.Copy("MiXeD");
    h.form->cmdProcess_Click();
    EXPECT_EQ(h.clipboard.Text(), "MiXeD");
}

TEST(ProcessCommandWithFailingSteps, SkipsThemAndStillShowsTheResult) {
    MainHarness h;
    h.MakeScratchUnusable();
    h.Load();
    // Upper case and double spaces work without a scratch file; the other
    // three each fail and are skipped.
    h.ChooseOptions("optUpper", {"chkDblspc", "chkNoblanks", "chkRemCRs", "chkRemGT"});
    h.clipboard.Copy("> a.  b\r\n\r\nc");
    h.form->Click("cmdProcess");
    EXPECT_EQ(h.clipboard.Text(), "> A. B\r\n\r\nC");
    EXPECT_EQ(h.Text("txtClipboard"), "> A. B\r\n\r\nC");
}

TEST(ProcessCommandWithFailingClipboard, EndsAtAFailedReadLeavingTheClipboard) {
    MainHarness h;
    h.Load();
    h.clipboard.Copy("text");
    h.clipboard.failRead = Failure();
    h.form->Click("cmdProcess");
    EXPECT_EQ(h.Text("txtClipboard"), kFailureMessage);
    EXPECT_FALSE(h.Journaled("clipboard empty"));
    EXPECT_EQ(h.clipboard.Text(), "text");
    EXPECT_TRUE(h.messageBox.shown.empty());
}

TEST(ProcessCommandWithFailingClipboard, GoesOnAfterAFailedEmpty) {
    MainHarness h;
    h.Load();
    h.ChooseOptions("optUpper", {});
    h.clipboard.Copy("text");
    h.clipboard.failEmpty = Failure();
    h.form->Click("cmdProcess");
    EXPECT_EQ(h.clipboard.Text(), "TEXT");
    EXPECT_EQ(h.Text("txtClipboard"), "TEXT");
}

TEST(ProcessCommandWithFailingClipboard, ShowsTheResultAfterAFailedPut) {
    MainHarness h;
    h.Load();
    h.ChooseOptions("optUpper", {});
    h.clipboard.Copy("text");
    h.clipboard.failPut = Failure();
    h.form->Click("cmdProcess");
    EXPECT_EQ(h.clipboard.Text(), std::nullopt);  // emptied, nothing put
    EXPECT_EQ(h.Text("txtClipboard"), "TEXT");
}

TEST(ProcessCommandFromThePopup, WorksOnTheHiddenWindowWithoutShowingIt) {
    MainHarness h;
    h.Load();
    h.ChooseOptions("optUpper", {});
    h.form->Form_Resize(WindowState::Minimized);
    ASSERT_FALSE(h.window.visible);
    h.clipboard.Copy("quiet");
    h.shell.onPopup = [&] { h.form->Click("mnuPopProcess"); };
    h.form->TrayIconEvent(TrayEvent::OpenMenu);
    EXPECT_EQ(h.clipboard.Text(), "QUIET");
    EXPECT_EQ(h.Text("txtClipboard"), "QUIET");
    EXPECT_FALSE(h.window.visible);
}

TEST(ProcessCommand, LeavesItsResultAsSeenByTheWatcher) {
    MainHarness h;
    h.Load();
    h.clipboard.Copy("seen");
    h.form->TimerClipwatch_Timer();
    h.ChooseOptions("optUpper", {});
    h.form->Click("cmdProcess");
    EXPECT_EQ(h.form->lastClipText(), "SEEN");
    EXPECT_EQ(h.beep.beeps, 0);
    EXPECT_TRUE(h.tray.changes.empty());  // a manual run does not flash
}

TEST(ProcessCommandOnSecretContent, StillWorksWhenAskedExplicitly) {
    MainHarness h;
    h.Load();
    h.ChooseOptions("optUpper", {});
    h.clipboard.Copy("secret", true);
    h.form->Click("cmdProcess");
    EXPECT_EQ(h.clipboard.Text(), "SECRET");
}

// A copy a password manager marked as secret goes back marked, by every route,
// Restore original included; an unmarked copy goes back unmarked.
TEST(ProcessCommandOnSecretContent, PutsItBackMarkedOnEveryRoute) {
    const std::function<void(MainHarness&)> routes[] = {
        [](MainHarness& h) { h.form->Click("cmdProcess"); },
        [](MainHarness& h) { h.form->Click("mnuPopProcess"); },
        [](MainHarness& h) { h.form->HotkeyPressed(); },
        [](MainHarness& h) {
            h.form->Click("cmdProcess");
            h.form->Click("mnuRestoreOriginal");
        },
    };
    for (const bool secret : {true, false}) {
        for (std::size_t route = 0; route < std::size(routes); ++route) {
            MainHarness h;
            h.settings.StoreText("hotkey", "Ctrl+Alt+V");
            h.Load();
            h.ChooseOptions("optUpper", {});
            h.clipboard.Copy("pass word", secret);
            routes[route](h);
            ASSERT_GT(h.clipboard.puts, 0) << route;
            EXPECT_EQ(h.clipboard.lastPutSecret, secret) << route;
        }
    }
}

}  // namespace
}  // namespace textmend::testing
