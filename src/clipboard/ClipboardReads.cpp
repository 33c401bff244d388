#include "clipboard/ClipboardReads.h"

#include <utility>

namespace textmend {

void ClipboardReads::Request(Waiter waiter) {
    waiters_.push_back(std::move(waiter));
    if (pending_) {
        return;
    }
    pending_ = true;
    clipboard_.Read([this](ClipboardRead&& read) { Done(std::move(read)); });
}

void ClipboardReads::Done(ClipboardRead&& read) {
    pending_ = false;
    // A waiter may ask for the next read at once: it joins the next round.
    std::vector<Waiter> answered = std::exchange(waiters_, {});
    for (std::size_t i = 0; i < answered.size(); ++i) {
        if (i + 1 < answered.size()) {
            answered[i](ClipboardRead(read));
        } else {
            answered[i](std::move(read));
        }
    }
}

}  // namespace textmend
