#pragma once

// Reads of the clipboard, one at a time: whoever asks while a read is under way
// waits for that read's outcome instead of starting another, so an owner that
// does not answer is asked once, not once per asker.

#include <vector>

#include "ports/ClipboardPort.h"

namespace textmend {

class ClipboardReads {
  public:
    using Waiter = ClipboardPort::ReadDone;

    explicit ClipboardReads(ClipboardPort& clipboard) : clipboard_(clipboard) {}

    // Hands waiter the outcome of the read under way, or of a new one. Waiters
    // are answered in the order they asked; the last keeps the read itself, the
    // others are handed copies.
    void Request(Waiter waiter);
    bool Pending() const { return pending_; }

  private:
    void Done(ClipboardRead&& read);

    ClipboardPort& clipboard_;
    std::vector<Waiter> waiters_;
    bool pending_ = false;
};

}  // namespace textmend
