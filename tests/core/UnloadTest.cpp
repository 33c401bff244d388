// Unloading the main window: the settings saved from the controls, then the
// tray icon removed, whatever closes the window.

#include <gtest/gtest.h>

#include <functional>
#include <map>

#include "MainHarness.h"

namespace textmend::testing {
namespace {

using Texts = std::map<std::string, std::string>;

const Texts kDefaultTexts = {
    {"upper", "False"},     {"lower", "False"},      {"clean", "True"},
    {"proper", "False"},    {"remcrs", "0"},         {"dblspc", "1"},
    {"sentence", "0"},      {"noblanks", "1"},       {"trimcr", "1"},
    {"remcrdbl", "0"},      {"start", "False"},      {"remgt", "0"},
    {"hotkey", ""},         {"invisible", "False"},  {"plainpunct", "False"},
    {"joinwords", "False"}, {"trimspaces", "False"}, {"keeplists", "False"},
};

struct Closer {
    const char* name;
    std::function<void(frmMain&)> close;
    bool endsProgram;
};

class Closers : public ::testing::TestWithParam<Closer> {};

TEST_P(Closers, SaveEverySettingThenRemoveTheIcon) {
    MainHarness h;
    h.Load();
    h.journal.clear();
    GetParam().close(*h.form);
    EXPECT_TRUE(h.form->Unloaded());
    EXPECT_EQ(h.settings.written, kDefaultTexts);
    const auto removal = h.JournalIndex("tray remove");
    ASSERT_LT(removal, static_cast<std::ptrdiff_t>(h.journal.size()));
    for (std::ptrdiff_t i = 0; i < removal; ++i) {
        EXPECT_TRUE(h.journal[i].starts_with("write ")) << h.journal[i];
    }
    EXPECT_EQ(removal, static_cast<std::ptrdiff_t>(kDefaultTexts.size()));
    EXPECT_EQ(h.Journaled("end program"), GetParam().endsProgram);
    EXPECT_FALSE(h.form->trayIconPresent());
    EXPECT_FALSE(h.tray.shown);
}

INSTANTIATE_TEST_SUITE_P(
    Ways, Closers,
    ::testing::Values(Closer{"CloseBox", [](frmMain& f) { f.Form_Unload(); }, false},
                      Closer{"FileExit", [](frmMain& f) { f.Click("mnuExit"); }, true},
                      Closer{"PopupExit", [](frmMain& f) { f.Click("mnuPopExit"); }, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Unload, SavesTheControlsAsTheyStand) {
    MainHarness h;
    h.settings.StoreText("sentence", "2");
    h.Load();
    // Leaves the grayed Cap sentences alone: it is not set.
    h.ChooseOptions("optProper", {"chkRemCRs", "chkRemCRdbl", "chkRemGT"});
    h.form->Click("mnuPopStartintaskbar");
    h.form->Form_Unload();
    Texts expected = kDefaultTexts;
    expected["proper"] = "True";
    expected["clean"] = "False";
    expected["remcrs"] = "1";
    expected["remcrdbl"] = "1";
    expected["remgt"] = "1";
    expected["dblspc"] = "0";
    expected["noblanks"] = "0";
    expected["trimcr"] = "0";
    expected["sentence"] = "2";
    expected["start"] = "True";
    EXPECT_EQ(h.settings.written, expected);
}

// Where the platform places the window itself and never says where (Wayland),
// no position is kept from start-up to the next.
TEST(Unload, KeepsNoWindowPositionWherePlacingIsRefused) {
    MainHarness h;
    h.window.failMove = Failure();
    h.Load();
    EXPECT_TRUE(h.Journaled("move"));
    EXPECT_FALSE(h.window.position);
    EXPECT_TRUE(h.window.visible);
    EXPECT_TRUE(h.messageBox.shown.empty());
    EXPECT_TRUE(h.Text("txtClipboard").empty());
    h.form->Form_Unload();
    EXPECT_EQ(h.settings.written, kDefaultTexts);
}

TEST(Unload, RunsOnceAndStopsTheTimers) {
    MainHarness h;
    h.Load();
    h.form->Click("mnuAutoprocess");
    h.clipboard.Copy("text");
    h.form->TimerClipwatch_Timer();
    ASSERT_TRUE(h.timers.Running("TimerFlash"));
    h.form->Form_Unload();
    const auto journalSize = h.journal.size();
    h.form->Form_Unload();
    h.form->Click("mnuExit");
    h.form->TimerClipwatch_Timer();
    h.form->TimerFlash_Timer();
    EXPECT_EQ(h.journal.size(), journalSize);
    EXPECT_FALSE(h.timers.Running("TimerClipwatch"));
    EXPECT_FALSE(h.timers.Running("TimerFlash"));
}

TEST(Unload, BeforeLoadKeepsTheStoredSettings) {
    MainHarness h;
    h.settings.StoreText("upper", "True");
    h.form->Form_Unload();
    EXPECT_TRUE(h.settings.written.empty());
    EXPECT_FALSE(h.Journaled("tray remove"));
}

TEST(Unload, WithoutATrayIconRemovesNothing) {
    MainHarness h;
    h.tray.available = false;
    h.Load();
    h.form->Form_Unload();
    EXPECT_EQ(h.settings.written.size(), kDefaultTexts.size());
    EXPECT_FALSE(h.Journaled("tray remove"));
}

TEST(Unload, StoredTextsComeBackInTheirWrittenForms) {
    MainHarness h;
    h.settings.StoreText("upper", "TRUE");
    h.settings.StoreText("start", "1");
    h.settings.StoreText("remcrs", "True");
    h.Load();
    h.form->Form_Unload();
    EXPECT_EQ(h.settings.written["upper"], "True");
    EXPECT_EQ(h.settings.written["start"], "True");
    EXPECT_EQ(h.settings.written["remcrs"], "1");
}

}  // namespace
}  // namespace textmend::testing
