#pragma once

#include <QObject>
#include <functional>
#include <map>
#include <string>

#include "ports/TimerPort.h"

class QTimer;

namespace textmend {

// Named timers that tick on the window's thread; each tick is handed to onTick
// with the timer's name.
class QtTimers : public TimerPort {
  public:
    explicit QtTimers(std::function<void(const std::string&)> onTick)
        : onTick_(std::move(onTick)) {}
    ~QtTimers() override;
    void Start(std::string_view timerName, int intervalMs) override;
    void Stop(std::string_view timerName) override;

  private:
    QTimer& TimerFor(std::string_view timerName);

    std::function<void(const std::string&)> onTick_;
    std::map<std::string, QTimer*, std::less<>> timers_;
};

}  // namespace textmend
