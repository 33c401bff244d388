#pragma once

#include <windows.h>

#include <functional>
#include <map>
#include <string>
#include <string_view>

#include "ports/TimerPort.h"

namespace textmend {

// Named timers on a message-only window of the calling thread; each tick is
// handed to onTick with the timer's name.
class Win32Timers : public TimerPort {
  public:
    explicit Win32Timers(std::function<void(const std::string&)> onTick);
    ~Win32Timers() override;
    Win32Timers(const Win32Timers&) = delete;
    Win32Timers& operator=(const Win32Timers&) = delete;

    void Start(std::string_view timerName, int intervalMs) override;
    void Stop(std::string_view timerName) override;

  private:
    struct Timer {
        UINT_PTR id = 0;
        bool running = false;
    };

    static LRESULT CALLBACK TicksProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    Timer& TimerFor(std::string_view timerName);
    void Tick(UINT_PTR id);

    std::function<void(const std::string&)> onTick_;
    HWND ticks_ = nullptr;
    std::map<std::string, Timer, std::less<>> timers_;
};

}  // namespace textmend
