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
    // Starting a running timer again must not restart its interval.
    if (timer.isActive() && timer.interval() == intervalMs) {
        return;
    }
    timer.start(intervalMs);
}

void QtTimers::Stop(std::string_view timerName) {
    TimerFor(timerName).stop();
}

}  // namespace textmend
