// The option controls, their popup twins, the Remove-returns rule,
// syncMenus and Restore defaults.

#include <gtest/gtest.h>

#include "MainHarness.h"

namespace textmend::testing {
namespace {

using Marks = std::vector<std::string>;

struct CaseChoice {
    const char* click;
    const char* selected;
    const char* marked;
};

class CaseChoices : public ::testing::TestWithParam<CaseChoice> {};

TEST_P(CaseChoices, SelectOneOptionAndMarkExactlyItsItem) {
    MainHarness h;
    h.Load();
    // Start from another choice so every case really changes something.
    h.form->Click(std::string(GetParam().selected) == "optProper" ? "optUpper" : "optProper");
    EXPECT_TRUE(h.form->Click(GetParam().click));
    for (const char* option : {"optClean", "optUpper", "optLower", "optProper"}) {
        EXPECT_EQ(h.Value(option), std::string(option) == GetParam().selected ? 1 : 0) << option;
    }
    for (const char* item : {"mnuClean", "mnuUpper", "mnuLower", "mnuProper"}) {
        EXPECT_EQ(h.Value(item), std::string(item) == GetParam().marked ? 1 : 0) << item;
    }
}

INSTANTIATE_TEST_SUITE_P(ByWindowAndPopup, CaseChoices,
                         ::testing::Values(CaseChoice{"optClean", "optClean", "mnuClean"},
                                           CaseChoice{"optUpper", "optUpper", "mnuUpper"},
                                           CaseChoice{"optLower", "optLower", "mnuLower"},
                                           CaseChoice{"optProper", "optProper", "mnuProper"},
                                           CaseChoice{"mnuClean", "optClean", "mnuClean"},
                                           CaseChoice{"mnuUpper", "optUpper", "mnuUpper"},
                                           CaseChoice{"mnuLower", "optLower", "mnuLower"},
                                           CaseChoice{"mnuProper", "optProper", "mnuProper"}));

struct BoxToggle {
    const char* click;  // the box itself or its popup item
    const char* box;
    const char* item;
    int before;
};

class BoxToggles : public ::testing::TestWithParam<BoxToggle> {};

TEST_P(BoxToggles, FlipTheBoxAndItsMarkBothWays) {
    MainHarness h;
    h.Load();
    const BoxToggle& t = GetParam();
    ASSERT_EQ(h.Value(t.box), t.before);
    h.form->Click(t.click);
    EXPECT_EQ(h.Value(t.box), 1 - t.before);
    EXPECT_EQ(h.Value(t.item), 1 - t.before);
    h.form->Click(t.click);
    EXPECT_EQ(h.Value(t.box), t.before);
    EXPECT_EQ(h.Value(t.item), t.before);
}

INSTANTIATE_TEST_SUITE_P(
    ByWindowAndPopup, BoxToggles,
    ::testing::Values(BoxToggle{"chkDblspc", "chkDblspc", "mnuDblspc", 1},
                      BoxToggle{"chkNoblanks", "chkNoblanks", "mnuNoblanks", 1},
                      BoxToggle{"chkTrimCR", "chkTrimCR", "mnuTrimCR", 1},
                      BoxToggle{"chkRemCRs", "chkRemCRs", "mnuRemCRs", 0},
                      BoxToggle{"chkSentence", "chkSentence", "mnuSentence", 0},
                      BoxToggle{"chkRemGT", "chkRemGT", "mnuRemGT", 0},
                      BoxToggle{"mnuDblspc", "chkDblspc", "mnuDblspc", 1},
                      BoxToggle{"mnuNoblanks", "chkNoblanks", "mnuNoblanks", 1},
                      BoxToggle{"mnuTrimCR", "chkTrimCR", "mnuTrimCR", 1},
                      BoxToggle{"mnuRemCRs", "chkRemCRs", "mnuRemCRs", 0},
                      BoxToggle{"mnuSentence", "chkSentence", "mnuSentence", 0},
                      BoxToggle{"mnuRemGT", "chkRemGT", "mnuRemGT", 0},
                      BoxToggle{"chkInvisible", "chkInvisible", "mnuInvisible", 0},
                      BoxToggle{"mnuPlainPunct", "chkPlainPunct", "mnuPlainPunct", 0},
                      BoxToggle{"chkJoinWords", "chkJoinWords", "mnuJoinWords", 0},
                      BoxToggle{"mnuTrimSpaces", "chkTrimSpaces", "mnuTrimSpaces", 0}));

// A stored 2 shows as an unmarked item and counts as clear, so a choice turns it on.
struct GrayedCase {
    const char* click;
    const char* box;
    const char* item;
    const char* storedKey;
};

class GrayedBoxes : public ::testing::TestWithParam<GrayedCase> {};

TEST_P(GrayedBoxes, TurnOnWhenClicked) {
    MainHarness h;
    const GrayedCase& t = GetParam();
    h.settings.StoreText("remcrs", "1");  // so Remove rtns 2X takes clicks
    h.settings.StoreText(t.storedKey, "2");
    h.Load();
    ASSERT_EQ(h.Value(t.box), 2);
    ASSERT_EQ(h.Value(t.item), 0);
    h.form->Click(t.click);
    EXPECT_EQ(h.Value(t.box), 1);
    EXPECT_EQ(h.Value(t.item), 1);
}

INSTANTIATE_TEST_SUITE_P(
    ByWindowAndPopup, GrayedBoxes,
    ::testing::Values(GrayedCase{"mnuDblspc", "chkDblspc", "mnuDblspc", "dblspc"},
                      GrayedCase{"chkDblspc", "chkDblspc", "mnuDblspc", "dblspc"},
                      GrayedCase{"mnuRemGT", "chkRemGT", "mnuRemGT", "remgt"},
                      GrayedCase{"mnuSentence", "chkSentence", "mnuSentence", "sentence"},
                      GrayedCase{"mnuRemCRdbl", "chkRemCRdbl", "mnuRemCRdbl", "remcrdbl"},
                      GrayedCase{"chkRemCRdbl", "chkRemCRdbl", "mnuRemCRdbl", "remcrdbl"}));

// The boxes that refine Remove returns, with their popup items.
struct Refinement {
    const char* box;
    const char* item;
};
constexpr Refinement kRefinements[] = {{"chkRemCRdbl", "mnuRemCRdbl"},
                                       {"chkKeepLists", "mnuKeepLists"}};

TEST(RemoveReturnsRule, SettingItEnablesItsRefinementsWithoutSettingThem) {
    for (const char* click : {"chkRemCRs", "mnuRemCRs"}) {
        MainHarness h;
        h.Load();
        h.form->Click(click);
        EXPECT_EQ(h.Value("chkRemCRs"), 1) << click;
        for (const Refinement& r : kRefinements) {
            EXPECT_TRUE(h.Enabled(r.box)) << click << r.box;
            EXPECT_TRUE(h.Enabled(r.item)) << click << r.box;
            EXPECT_EQ(h.Value(r.box), 0) << click << r.box;
            EXPECT_EQ(h.Value(r.item), 0) << click << r.box;
        }
    }
}

TEST(RemoveReturnsRule, ClearingItClearsAndDisablesItsRefinements) {
    for (const char* click : {"chkRemCRs", "mnuRemCRs"}) {
        MainHarness h;
        h.Load();
        h.form->Click("chkRemCRs");
        for (const Refinement& r : kRefinements) {
            h.form->Click(r.box);
            ASSERT_EQ(h.Value(r.item), 1) << r.box;
        }
        h.form->Click(click);
        for (const Refinement& r : kRefinements) {
            EXPECT_EQ(h.Value(r.box), 0) << click << r.box;
            EXPECT_FALSE(h.Enabled(r.box)) << click << r.box;
            EXPECT_FALSE(h.Enabled(r.item)) << click << r.box;
            EXPECT_EQ(h.Value(r.item), 0) << click << r.box;
        }
        // Setting it again enables the refinements but leaves them clear.
        h.form->Click(click);
        for (const Refinement& r : kRefinements) {
            EXPECT_TRUE(h.Enabled(r.box)) << click << r.box;
            EXPECT_EQ(h.Value(r.box), 0) << click << r.box;
        }
    }
}

TEST(RemoveReturnsRule, TheDisabledRefinementsTakeNoClicks) {
    MainHarness h;
    h.Load();
    for (const Refinement& r : kRefinements) {
        EXPECT_TRUE(h.form->Click(r.box));
        EXPECT_TRUE(h.form->Click(r.item));
        EXPECT_EQ(h.Value(r.box), 0) << r.box;
        EXPECT_EQ(h.Value(r.item), 0) << r.box;
    }
}

TEST(SyncMenus, ChangesOnlyMenuItems) {
    MainHarness h;
    h.settings.StoreText("remcrdbl", "1");
    h.Load();
    h.form->syncMenus();
    // The loaded twice box keeps its value and its disabled state.
    EXPECT_EQ(h.Value("chkRemCRdbl"), 1);
    EXPECT_FALSE(h.Enabled("chkRemCRdbl"));
    EXPECT_EQ(h.Value("mnuRemCRdbl"), 0);
    EXPECT_FALSE(h.Enabled("mnuRemCRdbl"));
}

TEST(SyncMenus, AWindowClickShowsInThePopup) {
    MainHarness h;
    h.Load();
    h.form->Click("chkSentence");
    EXPECT_EQ(h.PopupMarks(),
              (Marks{"mnuClean", "mnuDblspc", "mnuNoblanks", "mnuTrimCR", "mnuSentence"}));
}

TEST(RestoreDefaults, KeepsRemoveReturnsSetAndClearsTheTwiceBox) {
    MainHarness h;
    h.Load();
    h.ChooseOptions("optUpper", {"chkRemCRs", "chkRemCRdbl", "chkSentence", "chkRemGT",
                                 "chkInvisible", "chkJoinWords", "chkKeepLists"});
    h.form->Click("mnuRestore");
    EXPECT_EQ(h.Value("optClean"), 1);
    EXPECT_EQ(h.Value("optUpper"), 0);
    EXPECT_EQ(h.Value("chkRemCRs"), 1);
    EXPECT_EQ(h.Value("chkRemCRdbl"), 0);
    EXPECT_TRUE(h.Enabled("chkRemCRdbl"));
    EXPECT_TRUE(h.Enabled("mnuRemCRdbl"));
    EXPECT_EQ(h.PopupMarks(),
              (Marks{"mnuClean", "mnuDblspc", "mnuNoblanks", "mnuTrimCR", "mnuRemCRs"}));
}

TEST(RestoreDefaults, WithRemoveReturnsClearMarksExactlyTheFourDefaults) {
    MainHarness h;
    h.Load();
    h.ChooseOptions("optProper", {"chkSentence"});
    h.form->Click("mnuRestore");
    EXPECT_EQ(h.PopupMarks(), (Marks{"mnuClean", "mnuDblspc", "mnuNoblanks", "mnuTrimCR"}));
    EXPECT_FALSE(h.Enabled("chkRemCRdbl"));
    EXPECT_TRUE(h.settings.written.empty());  // stored only at exit
}

TEST(StartInTaskbar, EitherItemTogglesBothMarksAndNothingElse) {
    MainHarness h;
    h.Load();
    const auto journalBefore = h.journal.size();
    h.form->Click("mnuStartintaskbar");
    EXPECT_EQ(h.Value("mnuStartintaskbar"), 1);
    EXPECT_EQ(h.Value("mnuPopStartintaskbar"), 1);
    h.form->Click("mnuPopStartintaskbar");
    EXPECT_EQ(h.Value("mnuStartintaskbar"), 0);
    EXPECT_EQ(h.Value("mnuPopStartintaskbar"), 0);
    h.form->Click("mnuPopStartintaskbar");
    EXPECT_EQ(h.Value("mnuStartintaskbar"), 1);
    EXPECT_EQ(h.journal.size(), journalBefore);  // the window changes only at the next start
    EXPECT_TRUE(h.window.visible);
}

// The mark is the system's record, read as the Options menu opens, whatever
// happened to it outside the program; it is never stored.
TEST(StartWithTheSystem, TheMarkFollowsTheSystemAndAChoiceChangesIt) {
    MainHarness h;
    h.Load();
    h.autostart.enabled = true;
    h.form->Menu_Open("Options");
    EXPECT_EQ(h.Value("mnuStartwithsystem"), 1);
    h.form->Click("mnuStartwithsystem");
    EXPECT_FALSE(h.autostart.enabled);
    EXPECT_EQ(h.Value("mnuStartwithsystem"), 0);
    h.form->Click("mnuStartwithsystem");
    EXPECT_TRUE(h.autostart.enabled);
    h.autostart.enabled = false;  // removed by hand meanwhile
    h.form->Menu_Open("Help");
    EXPECT_EQ(h.Value("mnuStartwithsystem"), 1) << "only the Options menu reads it";
    h.form->Menu_Open("Options");
    EXPECT_EQ(h.Value("mnuStartwithsystem"), 0);
    h.form->Form_Unload();
    EXPECT_FALSE(h.settings.written.contains("startwithsystem"));
}

TEST(StartWithTheSystem, FailuresAreShownAndTheMarkStaysTheSystems) {
    MainHarness h;
    h.Load();
    h.autostart.failWrite = Failure();
    h.form->Click("mnuStartwithsystem");
    EXPECT_EQ(h.Text("txtClipboard"), kFailureMessage);
    EXPECT_EQ(h.Value("mnuStartwithsystem"), 0);
    h.form->Change("txtClipboard", "");
    h.autostart.failRead = Failure();
    h.form->Menu_Open("Options");
    EXPECT_EQ(h.Text("txtClipboard"), kFailureMessage);
}

TEST(Clicks, NamesWithoutAHandlerAreRefused) {
    MainHarness h;
    h.Load();
    for (const char* name : {"txtClipboard", "mnuFile", "Options", "mnu_1", "sep2", "Picture1",
                             "TimerFlash", "nothing"}) {
        EXPECT_FALSE(h.form->Click(name)) << name;
    }
}

}  // namespace
}  // namespace textmend::testing
