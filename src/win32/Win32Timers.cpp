#include "win32/Win32Timers.h"

#include "win32/MessageWindow.h"
#include "win32/Win32Error.h"

namespace textmend {
namespace {

constexpr wchar_t kTicksClass[] = L"TextmendTimers";

}  // namespace

Win32Timers::Win32Timers(std::function<void(const std::string&)> onTick)
    : onTick_(std::move(onTick)) {
    ticks_ = CreateMessageWindow(kTicksClass, TicksProc, this);
}

Win32Timers::~Win32Timers() {
    DestroyWindow(ticks_);  // its timers go with it
}

Win32Timers::Timer& Win32Timers::TimerFor(std::string_view timerName) {
    auto found = timers_.find(timerName);
    if (found == timers_.end()) {
        found = timers_.emplace(std::string(timerName), Timer{timers_.size() + 1, false}).first;
    }
    return found->second;
}

void Win32Timers::Start(std::string_view timerName, int intervalMs) {
    Timer& timer = TimerFor(timerName);
    // SetTimer on a running timer would restart its interval.
    if (timer.running) {
        return;
    }
    if (SetTimer(ticks_, timer.id, static_cast<UINT>(intervalMs), nullptr) == 0) {
        ThrowLastError();
    }
    timer.running = true;
}

void Win32Timers::Stop(std::string_view timerName) {
    Timer& timer = TimerFor(timerName);
    if (timer.running) {
        KillTimer(ticks_, timer.id);
        timer.running = false;
    }
}

void Win32Timers::Tick(UINT_PTR id) {
    for (const auto& [name, timer] : timers_) {
        if (timer.id == id && timer.running) {
            const std::string ticked = name;  // the handler may start or stop timers
            onTick_(ticked);
            return;
        }
    }
}

LRESULT CALLBACK Win32Timers::TicksProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<Win32Timers*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (self != nullptr && message == WM_TIMER) {
        self->Tick(static_cast<UINT_PTR>(wParam));
        return 0;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

}  // namespace textmend
