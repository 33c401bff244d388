// The tray icon's mouse events, hiding on minimize and coming back.

#include <gtest/gtest.h>

#include "MainHarness.h"

namespace textmend::testing {
namespace {

TEST(TrayIconEvents, ActivateRestoresAndOpenMenuOpensThePopup) {
    MainHarness h;
    h.Load();
    h.form->Form_Resize(WindowState::Minimized);
    ASSERT_FALSE(h.window.visible);
    h.journal.clear();
    h.form->TrayIconEvent(TrayEvent::OpenMenu);
    EXPECT_EQ(h.journal, (Journal{"foreground", "popup"}));
    EXPECT_FALSE(h.window.visible);
    h.journal.clear();
    h.form->TrayIconEvent(TrayEvent::Activate);
    EXPECT_EQ(h.journal, (Journal{"normal", "foreground", "show"}));
    EXPECT_TRUE(h.window.visible);
    EXPECT_EQ(h.form->windowState(), WindowState::Normal);
    EXPECT_FALSE(h.form->windowHidden());
}

TEST(Minimize, HidesTheWindowBehindItsIcon) {
    MainHarness h;
    h.Load();
    h.form->Form_Resize(WindowState::Minimized);
    EXPECT_FALSE(h.window.visible);
    EXPECT_TRUE(h.form->windowHidden());
    EXPECT_TRUE(h.form->trayIconPresent());
    EXPECT_EQ(h.tray.adds, 1);  // the icon stays as it was
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
    // A double click arrives as a click, a double click and a click.
    for (int event = 0; event < 3; ++event) {
        h.form->TrayIconEvent(TrayEvent::Activate);
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
    h.form->TrayIconEvent(TrayEvent::Activate);
    EXPECT_EQ(h.journal, (Journal{"normal", "foreground", "show"}));
}

TEST(PopupMenu, AChoiceChangesTheHiddenWindowsOptions) {
    MainHarness h;
    h.Load();
    h.form->Form_Resize(WindowState::Minimized);
    h.shell.onPopup = [&] { h.form->Click("mnuLower"); };
    h.form->TrayIconEvent(TrayEvent::OpenMenu);
    EXPECT_EQ(h.Value("optLower"), 1);
    EXPECT_EQ(h.Value("optClean"), 0);
    EXPECT_FALSE(h.window.visible);
}

TEST(PopupMenu, ExitUnloadsAndEndsTheProgram) {
    MainHarness h;
    h.Load();
    h.shell.onPopup = [&] { h.form->Click("mnuPopExit"); };
    h.form->TrayIconEvent(TrayEvent::OpenMenu);
    EXPECT_TRUE(h.form->Unloaded());
    EXPECT_EQ(h.journal.back(), "end program");
}

// The notification area may go away during the run (a crashed panel) and come back.
TEST(TrayAreaGone, ShowsAHiddenWindowUntilTheAreaIsBackThenHidesItAgain) {
    MainHarness h;
    h.Load();
    h.form->Form_Resize(WindowState::Minimized);
    ASSERT_TRUE(h.form->windowHidden());
    h.tray.Vanish();
    h.form->Tick("TimerTrayWatch");
    EXPECT_FALSE(h.form->trayIconPresent());
    EXPECT_TRUE(h.window.visible);
    EXPECT_EQ(h.form->windowState(), WindowState::Minimized) << "an ordinary minimized window";
    h.tray.available = true;
    h.form->Tick("TimerTrayWatch");
    EXPECT_TRUE(h.form->trayIconPresent());
    EXPECT_EQ(h.tray.adds, 2);
    EXPECT_FALSE(h.window.visible);
}

TEST(TrayAreaGone, AWindowRestoredMeanwhileStaysWhenTheAreaIsBack) {
    MainHarness h;
    h.Load();
    h.form->Form_Resize(WindowState::Minimized);
    h.tray.Vanish();
    h.form->Tick("TimerTrayWatch");
    h.form->Form_Resize(WindowState::Normal);
    h.tray.available = true;
    h.form->Tick("TimerTrayWatch");
    EXPECT_TRUE(h.form->trayIconPresent());
    EXPECT_TRUE(h.window.visible);
}

// An icon that can no longer be changed is gone, whatever the area says.
TEST(TrayAreaGone, ALostIconIsNoticedByTheFlashingAndComesBack) {
    MainHarness h;
    h.Load();
    h.form->Form_Resize(WindowState::Minimized);
    h.tray.shown = false;
    h.form->iconAutoprocess();
    EXPECT_FALSE(h.form->trayIconPresent());
    EXPECT_TRUE(h.window.visible);
    h.form->Tick("TimerTrayWatch");
    EXPECT_TRUE(h.form->trayIconPresent());
    EXPECT_FALSE(h.window.visible);
}

TEST(Timers, OnlyTheWindowsOwnTimersTick) {
    MainHarness h;
    h.Load();
    EXPECT_TRUE(h.form->Tick("TimerFlash"));
    EXPECT_FALSE(h.form->Tick("TimerNone"));
    EXPECT_FALSE(h.form->Tick("cmdProcess"));
}

}  // namespace
}  // namespace textmend::testing
