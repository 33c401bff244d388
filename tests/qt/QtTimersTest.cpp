// Starting a timer that is running already changes nothing: not its interval,
// not its next tick.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>

#include "qt/QtTimers.h"

namespace textmend {
namespace {

int argc = 1;
char arg0[] = "textmend_qt_timer_tests";
char* argv[] = {arg0, nullptr};

class QtTimersTest : public ::testing::Test {
  protected:
    QCoreApplication app{argc, argv};
    QElapsedTimer clock;
    qint64 firstTick = -1;
    QtTimers timers{[this](const std::string&) {
        if (firstTick < 0) {
            firstTick = clock.elapsed();
            QCoreApplication::quit();
        }
    }};

    QtTimersTest() { clock.start(); }

    // Runs the event loop until the first tick, at most for limitMs; returns the
    // milliseconds from the start to that tick, -1 when none came.
    qint64 FirstTick(int limitMs) {
        QTimer::singleShot(limitMs, &app, [] { QCoreApplication::quit(); });
        QCoreApplication::exec();
        return firstTick;
    }
};

TEST_F(QtTimersTest, StartingARunningTimerKeepsItsInterval) {
    timers.Start("t", 50);
    timers.Start("t", 60000);
    EXPECT_GE(FirstTick(5000), 0);
}

TEST_F(QtTimersTest, StartingARunningTimerKeepsItsNextTick) {
    timers.Start("t", 400);
    // Started again most of an interval later: the tick still comes at the
    // first interval's end, not a whole interval after the second start.
    QTimer::singleShot(300, &app, [this] { timers.Start("t", 400); });
    const qint64 at = FirstTick(5000);
    EXPECT_GE(at, 0);
    EXPECT_LT(at, 650);
}

}  // namespace
}  // namespace textmend
