#pragma once

// The deadline of one clipboard transfer, as the window's thread and the
// transfer's worker share it. While another program renders its data or hears
// that it goes, the worker waits inside the system with the clipboard open and
// every other program is refused it; the worker cannot be stopped there, but it
// still handles the messages sent to its own windows. So at the deadline the
// window's thread abandons the transfer: it tells the worker's window to close
// the clipboard, and from then on the transfer puts nothing on it.

#include <windows.h>

#include <functional>
#include <mutex>

namespace textmend {

class TransferWatch {
  public:
    // The window's thread, at the deadline. False when the transfer's put has
    // already landed (its own outcome is on its way); otherwise the transfer is
    // abandoned and the worker gives up the clipboard as soon as it can.
    bool Abandon();

    // The worker: runs put (true when it landed) unless the transfer was
    // abandoned; false when it was.
    bool Land(const std::function<bool()>& put);

    // On the worker's thread for the span of the transfer: a window that closes
    // the clipboard this thread has open when the transfer is abandoned.
    class Listener {
      public:
        explicit Listener(TransferWatch& watch);
        ~Listener();
        Listener(const Listener&) = delete;
        Listener& operator=(const Listener&) = delete;

      private:
        static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

        TransferWatch& watch_;
        HWND window_;
    };

  private:
    std::mutex mutex_;
    bool abandoned_ = false;
    bool landed_ = false;
    HWND listener_ = nullptr;
};

}  // namespace textmend
