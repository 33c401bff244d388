// The tray icon's mouse events, hiding on minimize and coming back.

#include <gtest/gtest.h>

#include "MainHarness.h"

namespace textmend::testing {
namespace {

enum class Reaction { Nothing, Restore, Popup };

struct TrayEventCase {
    std::uint32_t message;
    Reaction reaction;
};

class TrayEvents : public ::testing::TestWithParam<TrayEventCase> {};

TEST_P(TrayEvents, ActOnlyOnReleasesAndTheLeftDoubleClick) {
    MainHarness h;
    h.Load();
    h.form->Form_Resize(WindowState::Minimized);
    ASSERT_FALSE(h.window.visible);
    h.journal.clear();
    h.form->TrayEvent(GetParam().message);
    switch (GetParam().reaction) {
        case Reaction::Nothing:
            EXPECT_TRUE(h.journal.empty());
            EXPECT_TRUE(h.form->windowHidden());
            break;
        case Reaction::Restore:
            EXPECT_EQ(h.journal, (Journal{"normal", "foreground", "show"}));
            EXPECT_TRUE(h.window.visible);
            EXPECT_EQ(h.form->windowState(), WindowState::Normal);
            EXPECT_FALSE(h.form->windowHidden());
            break;
        case Reaction::Popup:
            EXPECT_EQ(h.journal, (Journal{"foreground", "popup"}));
            EXPECT_FALSE(h.window.visible);
            break;
    }
}

INSTANTIATE_TEST_SUITE_P(
    MouseMessages, TrayEvents,
    ::testing::Values(TrayEventCase{0x200, Reaction::Nothing},  // move
                      TrayEventCase{0x201, Reaction::Nothing},  // left press
                      TrayEventCase{0x202, Reaction::Restore},  // left release
                      TrayEventCase{0x203, Reaction::Restore},  // left double click
                      TrayEventCase{0x204, Reaction::Nothing},  // right press
                      TrayEventCase{0x205, Reaction::Popup},    // right release
                      TrayEventCase{0x206, Reaction::Nothing},  // right double click
                      TrayEventCase{0x207, Reaction::Nothing},  // middle press
                      TrayEventCase{0x208, Reaction::Nothing},  // middle release
                      TrayEventCase{0x8001, Reaction::Nothing},
                      TrayEventCase{0, Reaction::Nothing}));

TEST(Minimize, HidesTheWindowBehindItsIcon) {
    MainHarness h;
    h.Load();
    h.form->Form_Resize(WindowState::Minimized);
    EXPECT_FALSE(h.window.visible);
    EXPECT_TRUE(h.form->windowHidden());
    EXPECT_TRUE(h.form->trayIconPresent());
    EXPECT_EQ(h.tray.calls.size(), 1u);  // the icon stays as it was
}

TEST(Minimize, ResizingInTheNormalStateDoesNothing) {
    MainHarness h;
    h.Load();
    h.journal.clear();
    h.form->Form_Resize(WindowState::Normal);
    EXPECT_TRUE(h.journal.empty());
}

TEST(Minimize, KeepsAnOrdinaryMinimizedWindowWithoutANotificationArea) {
    MainHarness h;
    h.tray.available = false;
    h.Load();
    h.form->Form_Resize(WindowState::Minimized);
    EXPECT_TRUE(h.window.visible);
    EXPECT_FALSE(h.form->windowHidden());
    EXPECT_EQ(h.form->windowState(), WindowState::Minimized);
}

TEST(Restore, ADoubleClicksThreeEventsEndLikeOneClick) {
    MainHarness h;
    h.Load();
    h.form->Form_Resize(WindowState::Minimized);
    for (std::uint32_t message : {0x202u, 0x203u, 0x202u}) {
        h.form->TrayEvent(message);
    }
    EXPECT_TRUE(h.window.visible);
    EXPECT_EQ(h.window.state, WindowState::Normal);
    // Minimizing again hides again.
    h.form->Form_Resize(WindowState::Minimized);
    EXPECT_FALSE(h.window.visible);
}

TEST(Restore, ALeftClickOnAShownWindowBringsItForward) {
    MainHarness h;
    h.Load();
    h.journal.clear();
    h.form->TrayEvent(0x202);
    EXPECT_EQ(h.journal, (Journal{"normal", "foreground", "show"}));
}

TEST(PopupMenu, AChoiceChangesTheHiddenWindowsOptions) {
    MainHarness h;
    h.Load();
    h.form->Form_Resize(WindowState::Minimized);
    h.shell.onPopup = [&] { h.form->Click("mnuLower"); };
    h.form->TrayEvent(0x205);
    EXPECT_EQ(h.Value("optLower"), 1);
    EXPECT_EQ(h.Value("optClean"), 0);
    EXPECT_FALSE(h.window.visible);
}

TEST(PopupMenu, ExitUnloadsAndEndsTheProgram) {
    MainHarness h;
    h.Load();
    h.shell.onPopup = [&] { h.form->Click("mnuPopExit"); };
    h.form->TrayEvent(0x205);
    EXPECT_TRUE(h.form->Unloaded());
    EXPECT_EQ(h.journal.back(), "end program");
}

}  // namespace
}  // namespace textmend::testing
