// Win32Timers: starting a running timer changes nothing, stopping a stopped one
// does nothing.

#include <gtest/gtest.h>

#include <windows.h>

#include <chrono>
#include <functional>
#include <string>
#include <vector>

#include "win32/Win32Timers.h"

namespace textmend {
namespace {

using Clock = std::chrono::steady_clock;

// Handles this thread's messages for the given time, running between each
// round of them.
void PumpFor(std::chrono::milliseconds span, const std::function<void()>& between = {}) {
    const auto end = Clock::now() + span;
    while (Clock::now() < end) {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            DispatchMessageW(&msg);
        }
        if (between) {
            between();
        }
        Sleep(5);
    }
}

TEST(Win32Timers, StartingARunningTimerKeepsItsIntervalAndItsNextTick) {
    struct Case {
        const char* what;
        std::function<void(Win32Timers&)> meanwhile;  // run every few ms after the start
        bool ticks;
    };
    const Case cases[] = {
        {"started again and again at the same interval", [](Win32Timers& t) { t.Start("T", 100); },
         true},
        {"started again with a longer interval", [](Win32Timers& t) { t.Start("T", 60000); }, true},
        {"stopped, and stopped again", [](Win32Timers& t) { t.Stop("T"); }, false},
    };
    for (const Case& c : cases) {
        std::vector<std::string> ticks;
        Win32Timers timers([&](const std::string& name) { ticks.push_back(name); });
        timers.Start("T", 100);
        PumpFor(std::chrono::milliseconds(1000), [&] {
            if (ticks.empty()) {
                c.meanwhile(timers);
            }
        });
        EXPECT_EQ(!ticks.empty(), c.ticks) << c.what;
        if (!ticks.empty()) {
            EXPECT_EQ(ticks.front(), "T") << c.what;
        }
    }
}

TEST(Win32Timers, AStoppedTimerStartsAgain) {
    int ticks = 0;
    Win32Timers timers([&](const std::string&) { ++ticks; });
    timers.Stop("T");  // never started
    timers.Start("T", 50);
    timers.Stop("T");
    timers.Start("T", 50);
    PumpFor(std::chrono::milliseconds(500));
    EXPECT_GT(ticks, 0);
}

}  // namespace
}  // namespace textmend
