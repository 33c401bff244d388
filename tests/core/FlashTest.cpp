// The tray icon's flashing after each automatic run.

#include <gtest/gtest.h>

#include "MainHarness.h"
#include "tray/IconFlasher.h"

namespace textmend::testing {
namespace {

constexpr TrayImage A = TrayImage::Autoprocess;
constexpr TrayImage N = TrayImage::Normal;

TEST(IconFlasher, RunsSevenTicksAndStopsOnTheNormalIcon) {
    struct Tick {
        TrayImage image;
        bool stop;
        int countAfter;
    };
    const Tick expected[] = {{A, false, 1}, {N, false, 2}, {A, false, 3}, {N, false, 4},
                             {A, false, 5}, {N, false, 6}, {N, true, 0}};
    IconFlasher flasher;
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        const FlashStep step = flasher.Tick();
        EXPECT_EQ(step.image, expected[i].image) << "tick " << i + 1;
        EXPECT_EQ(step.stopTimer, expected[i].stop) << "tick " << i + 1;
        EXPECT_EQ(flasher.flashCount(), expected[i].countAfter) << "tick " << i + 1;
    }
}

// A window that has just processed one copied text automatically.
struct Flashing {
    MainHarness h;
    Flashing() {
        h.Load();
        h.form->Click("mnuAutoprocess");
        Copy("first");
    }
    void Copy(const std::string& text) {
        h.clipboard.Copy(text);
        h.form->TimerClipwatch_Timer();
    }
    // Delivers flash ticks while the timer runs, at most limit of them.
    int TickUntilStopped(int limit = 20) {
        int ticks = 0;
        while (h.timers.Running("TimerFlash") && ticks < limit) {
            h.form->TimerFlash_Timer();
            ++ticks;
        }
        return ticks;
    }
};

TEST(FlashSequence, ShowsRedThreeTimesAndEndsNormalWithTheTimerStopped) {
    Flashing f;
    EXPECT_EQ(f.TickUntilStopped(), 7);
    EXPECT_EQ(f.h.tray.changes, (std::vector<TrayImage>{A, N, A, N, A, N, N}));
    EXPECT_FALSE(f.h.Enabled("TimerFlash"));
    EXPECT_EQ(f.h.form->flashCount(), 0);
    EXPECT_EQ(f.h.form->trayImage(), N);
}

TEST(FlashSequence, ASecondStartDuringASequenceAddsNoTicks) {
    Flashing f;
    for (int tick = 0; tick < 3; ++tick) {
        f.h.form->TimerFlash_Timer();
    }
    const int startsBefore = f.h.timers.starts;
    f.Copy("second");
    EXPECT_EQ(f.h.beep.beeps, 2);
    EXPECT_EQ(f.h.timers.starts, startsBefore);  // already running: not restarted
    EXPECT_EQ(f.h.form->flashCount(), 3);
    EXPECT_EQ(f.TickUntilStopped(), 4);
    EXPECT_EQ(f.h.tray.changes.back(), N);
}

TEST(FlashSequence, AutoprocessOffShowsNormalAtOnceAndLetsTheSequenceFinish) {
    Flashing f;
    f.h.form->TimerFlash_Timer();  // red
    f.h.form->Click("mnuAutoprocess");
    EXPECT_EQ(f.h.tray.changes, (std::vector<TrayImage>{A, N}));
    EXPECT_TRUE(f.h.timers.Running("TimerFlash"));
    EXPECT_EQ(f.TickUntilStopped(), 6);
    EXPECT_EQ(f.h.tray.changes, (std::vector<TrayImage>{A, N, N, A, N, A, N, N}));
}

TEST(FlashSequence, TheNextAutomaticRunStartsAFreshSequence) {
    Flashing f;
    f.TickUntilStopped();
    f.h.tray.changes.clear();
    f.Copy("another");
    EXPECT_EQ(f.TickUntilStopped(), 7);
    EXPECT_EQ(f.h.tray.changes, (std::vector<TrayImage>{A, N, A, N, A, N, N}));
}

TEST(FlashSequence, WithoutATrayIconKeepsTheImageButChangesNothing) {
    MainHarness h;
    h.tray.available = false;
    h.Load();
    h.form->Click("mnuAutoprocess");
    h.clipboard.Copy("text");
    h.form->TimerClipwatch_Timer();
    h.form->TimerFlash_Timer();
    EXPECT_TRUE(h.tray.changes.empty());
    EXPECT_EQ(h.form->trayImage(), A);
}

}  // namespace
}  // namespace textmend::testing
