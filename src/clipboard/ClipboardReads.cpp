#include "clipboard/ClipboardReads.h"

#include <utility>

namespace textmend {

void ClipboardReads::Request(Waiter waiter) {
    waiters_.push_back(std::move(waiter));
    if (pending_) {
        return;
    }
    pending_ = true;
    clipboard_.Read([this](const ClipboardRead& read) { Done(read); });
}

void ClipboardReads::Done(const ClipboardRead& read) {
    pending_ = false;
    // A waiter may ask for the next read at once: it joins the next round.
    std::vector<Waiter> answered = std::exchange(waiters_, {});
    for (const Waiter& waiter : answered) {
        waiter(read);
    }
}

}  // namespace textmend
