#include "qt/QtTimers.h"

#include <QTimer>

namespace textmend {

QtTimers::~QtTimers() {
    for (auto& [name, timer] : timers_) {
        delete timer;
    }
}

QTimer& QtTimers::TimerFor(std::string_view timerName) {
    auto found = timers_.find(timerName);
    if (found != timers_.end()) {
        return *found->second;
    }
    auto* timer = new QTimer;
    timer->setTimerType(Qt::CoarseTimer);
    std::string name(timerName);
    QObject::connect(timer, &QTimer::timeout, [this, name] { onTick_(name); });
    timers_.emplace(name, timer);
    return *timer;
}

void QtTimers::Start(std::string_view timerName, int intervalMs) {
    QTimer& timer = TimerFor(timerName);
    // A running timer keeps its interval and its next tick.
    if (timer.isActive()) {
        return;
    }
    timer.start(intervalMs);
}

void QtTimers::Stop(std::string_view timerName) {
    TimerFor(timerName).stop();
}

}  // namespace textmend
