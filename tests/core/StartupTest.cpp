// Start-up: the defaults, the stored values laid over them, centring, the
// popup's marks, Start in taskbar and the tray icon added last.

#include <gtest/gtest.h>

#include <cstring>

#include "MainHarness.h"

namespace textmend::testing {
namespace {

TEST(StartupWithNothingStored, ShowsTheDefaultOptions) {
    MainHarness h;
    h.Load();
    struct Expected {
        const char* control;
        int value;
    };
    const Expected expected[] = {
        {"optClean", 1},          {"optUpper", 0},
        {"optLower", 0},          {"optProper", 0},
        {"chkDblspc", 1},         {"chkNoblanks", 1},
        {"chkTrimCR", 1},         {"chkRemCRs", 0},
        {"chkRemCRdbl", 0},       {"chkSentence", 0},
        {"chkRemGT", 0},          {"mnuStartintaskbar", 0},
        {"mnuAutoprocess", 0},    {"mnuPopStartintaskbar", 0},
        {"mnuPopAutoprocess", 0},
    };
    for (const Expected& e : expected) {
        EXPECT_EQ(h.Value(e.control), e.value) << e.control;
    }
    EXPECT_FALSE(h.Enabled("chkRemCRdbl"));
    EXPECT_FALSE(h.Enabled("mnuRemCRdbl"));
    EXPECT_EQ(h.PopupMarks(),
              (std::vector<std::string>{"mnuClean", "mnuDblspc", "mnuNoblanks", "mnuTrimCR"}));
}

TEST(StartupWithNothingStored, CaptionCarriesTheVersionAndATrailingBlank) {
    MainHarness h;
    EXPECT_EQ(h.form->Caption(), "Textmend");
    h.Load();
    EXPECT_EQ(h.form->Caption(), "Textmend 2.3.4 ");
}

TEST(StartupWithNothingStored, CentresTheWindowByItsOuterSizeWithoutRounding) {
    MainHarness h;
    h.window.screen = {28800, 16200};
    h.window.outer = {5085, 4726};
    h.Load();
    ASSERT_TRUE(h.window.position);
    EXPECT_DOUBLE_EQ(h.window.position->first, 11857.5);  // (28800 - 5085) / 2
    EXPECT_DOUBLE_EQ(h.window.position->second, 5737.0);  // (16200 - 4726) / 2
}

TEST(StartupWithNothingStored, HidesThePopupFromTheMenuBarAndStaysOnScreen) {
    MainHarness h;
    h.Load();
    EXPECT_FALSE(h.form->Control("mnu_1")->visible);
    EXPECT_TRUE(h.window.visible);
    EXPECT_FALSE(h.form->windowHidden());
    EXPECT_EQ(h.form->windowState(), WindowState::Normal);
    EXPECT_TRUE(h.form->lastClipText().empty());
}

TEST(StartupWithNothingStored, StartsTheClipboardWatcherButNotTheFlashing) {
    MainHarness h;
    EXPECT_FALSE(h.Enabled("TimerClipwatch"));  // nothing runs before load
    h.Load();
    EXPECT_TRUE(h.Journaled("start TimerClipwatch 1000"));
    EXPECT_TRUE(h.timers.Running("TimerClipwatch"));
    EXPECT_TRUE(h.Enabled("TimerClipwatch"));
    EXPECT_FALSE(h.timers.Running("TimerFlash"));
    EXPECT_FALSE(h.Enabled("TimerFlash"));
}

TEST(StartupWithNothingStored, AddsTheTrayIconLastAfterShowingAndPainting) {
    MainHarness h;
    h.Load();
    ASSERT_FALSE(h.journal.empty());
    EXPECT_EQ(h.journal.back(), "tray add");
    EXPECT_LT(h.JournalIndex("move"), h.JournalIndex("show"));
    EXPECT_LT(h.JournalIndex("show"), h.JournalIndex("repaint"));
    EXPECT_TRUE(h.form->trayIconPresent());
}

TEST(StartupWithNothingStored, AddsTheIconWithTheNormalImageAndItsTip) {
    MainHarness h;
    h.Load();
    EXPECT_EQ(h.tray.adds, 1);
    EXPECT_EQ(h.tray.image, TrayImage::Normal);
    EXPECT_EQ(h.tray.tip, " Textmend ");
}

// Stored texts and what the controls show after load.
struct StoredCase {
    const char* name;
    std::vector<std::pair<std::string, std::string>> stored;
    std::vector<std::pair<std::string, int>> values;
    std::vector<std::string> marks;
};

class StartupWithStoredValues : public ::testing::TestWithParam<StoredCase> {};

TEST_P(StartupWithStoredValues, AppliesThemOverTheDefaultsAndSyncsThePopup) {
    MainHarness h;
    for (const auto& [key, text] : GetParam().stored) {
        h.settings.StoreText(key, text);
    }
    h.Load();
    for (const auto& [control, value] : GetParam().values) {
        EXPECT_EQ(h.Value(control), value) << control;
    }
    EXPECT_EQ(h.PopupMarks(), GetParam().marks);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, StartupWithStoredValues,
    ::testing::Values(
        StoredCase{"UpperChosen",
                   {{"upper", "True"}, {"clean", "False"}},
                   {{"optUpper", 1}, {"optClean", 0}},
                   {"mnuUpper", "mnuDblspc", "mnuNoblanks", "mnuTrimCR"}},
        StoredCase{
            "NoCaseAtAll",
            {{"upper", "False"}, {"lower", "False"}, {"clean", "False"}, {"proper", "False"}},
            {{"optClean", 0}, {"optUpper", 0}, {"optLower", 0}, {"optProper", 0}},
            {"mnuDblspc", "mnuNoblanks", "mnuTrimCR"}},
        StoredCase{"RemoveReturnsTwiceWithoutRemoveReturns",
                   {{"remcrdbl", "1"}, {"remcrs", "0"}},
                   {{"chkRemCRdbl", 1}, {"chkRemCRs", 0}},
                   {"mnuClean", "mnuDblspc", "mnuNoblanks", "mnuTrimCR"}},
        StoredCase{"GrayedBoxesShowUnmarked",
                   {{"sentence", "2"}, {"dblspc", "2"}},
                   {{"chkSentence", 2}, {"chkDblspc", 2}},
                   {"mnuClean", "mnuNoblanks", "mnuTrimCR"}},
        StoredCase{"AllBoxesSet",
                   {{"remcrs", "1"},
                    {"remcrdbl", "1"},
                    {"sentence", "1"},
                    {"remgt", "1"},
                    {"start", "True"}},
                   {{"chkRemCRs", 1},
                    {"chkRemCRdbl", 1},
                    {"mnuStartintaskbar", 1},
                    {"mnuPopStartintaskbar", 1}},
                   {"mnuPopStartintaskbar", "mnuClean", "mnuDblspc", "mnuNoblanks", "mnuTrimCR",
                    "mnuRemCRs", "mnuRemCRdbl", "mnuSentence", "mnuRemGT"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(StartupWithStoredValues, RemoveReturnsTwiceStaysSetButDisabledWithoutRemoveReturns) {
    MainHarness h;
    h.settings.StoreText("remcrdbl", "1");
    h.settings.StoreText("remcrs", "0");
    h.Load();
    EXPECT_FALSE(h.Enabled("chkRemCRdbl"));
    EXPECT_FALSE(h.Enabled("mnuRemCRdbl"));
    EXPECT_EQ(h.Value("mnuRemCRdbl"), 0);
    EXPECT_EQ(h.form->CurrentOptions().remcrdbl, CheckState::Set);
}

TEST(StartupInTaskbar, HidesBehindTheTrayIconOnceItIsAdded) {
    MainHarness h;
    h.settings.StoreText("start", "True");
    h.Load();
    EXPECT_LT(h.JournalIndex("minimize"), h.JournalIndex("show"));
    EXPECT_LT(h.JournalIndex("tray add"), h.JournalIndex("hide"));
    EXPECT_FALSE(h.window.visible);
    EXPECT_TRUE(h.form->windowHidden());
    EXPECT_EQ(h.form->windowState(), WindowState::Minimized);
    EXPECT_TRUE(h.form->trayIconPresent());
}

TEST(StartupInTaskbar, StaysAMinimizedWindowWhereThereIsNoNotificationArea) {
    MainHarness h;
    h.tray.available = false;
    h.settings.StoreText("start", "True");
    h.Load();
    EXPECT_FALSE(h.Journaled("hide"));
    EXPECT_TRUE(h.window.visible);
    EXPECT_EQ(h.window.state, WindowState::Minimized);
    EXPECT_FALSE(h.form->trayIconPresent());
    EXPECT_EQ(h.tray.adds, 0);
}

TEST(StartupInTaskbar, StaysAMinimizedWindowWhenTheIconIsRefused) {
    MainHarness h;
    h.tray.accept = false;
    h.settings.StoreText("start", "True");
    h.Load();
    EXPECT_FALSE(h.Journaled("hide"));
    EXPECT_TRUE(h.window.visible);
    EXPECT_FALSE(h.form->trayIconPresent());
}

TEST(StartupInTaskbar, HidesOnceANotificationAreaAppears) {
    MainHarness h;
    h.tray.available = false;
    h.settings.StoreText("start", "True");
    h.Load();
    h.tray.available = true;
    h.form->TrayAreaCreated();
    EXPECT_TRUE(h.form->trayIconPresent());
    EXPECT_TRUE(h.tray.shown);
    EXPECT_FALSE(h.window.visible);
}

TEST(TrayAreaRecreated, AddsALostIconAgainWithoutHidingAShownWindow) {
    MainHarness h;
    h.Load();
    h.tray.shown = false;  // the recreated area forgot it
    h.form->TrayAreaCreated();
    EXPECT_EQ(h.tray.adds, 2);
    EXPECT_TRUE(h.form->trayIconPresent());
    EXPECT_TRUE(h.window.visible);
}

// The area may announce itself anew while it still holds the icon: the add is
// refused, and the icon is there all the same.
TEST(TrayAreaRecreated, AnIconTheAreaKeptStaysPresent) {
    MainHarness h;
    h.Load();
    h.form->TrayAreaCreated();
    EXPECT_EQ(h.tray.adds, 1);
    EXPECT_TRUE(h.form->trayIconPresent());
    h.form->Form_Resize(WindowState::Minimized);
    EXPECT_FALSE(h.window.visible) << "minimizing still hides";
    h.form->Form_Unload();
    EXPECT_FALSE(h.tray.shown) << "no dead icon stays behind";
}

TEST(TrayAreaRecreated, IsIgnoredBeforeLoadAndAfterUnload) {
    MainHarness h;
    h.form->TrayAreaCreated();
    EXPECT_FALSE(h.Journaled("tray add"));
    h.Load();
    h.form->Form_Unload();
    const auto entries = h.journal.size();
    h.form->TrayAreaCreated();
    EXPECT_EQ(h.journal.size(), entries);
}

TEST(StartupFailures, AreSkippedSilently) {
    struct ThrowingWindow : FakeWindow {
        using FakeWindow::FakeWindow;
        TwipSize ScreenSize() override { throw Failure(); }
    };
    MainHarness h;
    // Centring fails: the window opens where it is, and nothing is reported.
    Journal journal;
    ThrowingWindow window(journal);
    frmMain form(MainPorts{h.clipboard, h.messageBox, h.beep, h.tray, window, h.timers, h.shell,
                           h.hotkey, h.keyboard, h.autostart, h.settings, h.system,
                           ScratchFolders{}, AppVersion{2, 3, 4}});
    form.Form_Load();
    EXPECT_FALSE(window.position);
    EXPECT_TRUE(window.visible);
    EXPECT_TRUE(form.Control("txtClipboard")->text.empty());
    EXPECT_TRUE(form.trayIconPresent());
}

TEST(StartupFailures, ATimerThatCannotStartIsLeftStoppedAndTheOthersStart) {
    MainHarness h;
    h.timers.failStarts = {"TimerClipwatch"};
    h.Load();
    EXPECT_FALSE(h.Enabled("TimerClipwatch"));
    EXPECT_FALSE(h.timers.Running("TimerClipwatch"));
    EXPECT_TRUE(h.timers.Running("TimerTrayWatch"));
    EXPECT_TRUE(h.Text("txtClipboard").empty());
    EXPECT_TRUE(h.form->trayIconPresent());
}

}  // namespace
}  // namespace textmend::testing
