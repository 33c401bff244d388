#pragma once

// The deadline of one clipboard transfer, as the window's thread and the
// transfer's worker share it. While another program renders its data or hears
// that it goes, the worker waits inside the system with the clipboard open and
// every other program is refused it. The worker cannot be stopped there, and
// only the thread that opened the clipboard may close it, but a thread waiting
// for another program's answer still handles the messages sent to its own
// windows. So at the deadline the window's thread abandons the transfer: it
// sends the worker's window a notice on which the worker closes the clipboard,
// and from then on the transfer neither opens the clipboard nor puts anything.

#include <windows.h>

#include <functional>
#include <mutex>

namespace textmend {

class TransferWatch {
  public:
    // The window's thread, at the deadline. False when the transfer's put has
    // already landed (the text is on the clipboard, and the write is done
    // whatever else the worker still waits for); otherwise the transfer is
    // abandoned.
    bool Abandon();

    // The worker, before it opens the clipboard: whether it was abandoned.
    bool Abandoned();
    // The worker: runs put unless the transfer was abandoned (false then); a
    // put that returns has landed, one that throws has not.
    bool Land(const std::function<void()>& put);

    // On the worker's thread for the span of the transfer: the window on which
    // it gives up the clipboard when the transfer is abandoned.
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
