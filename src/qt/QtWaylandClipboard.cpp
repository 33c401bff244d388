#include "qt/QtWaylandClipboard.h"

#include "engine/LineBreaks.h"

namespace textmend {

QtWaylandClipboard::QtWaylandClipboard(std::function<void()> afterDone)
    : reads_(std::move(afterDone)) {}

void QtWaylandClipboard::Read(ReadDone done) {
    const auto deadline = WaylandClipboardClient::Clock::now() + kDeadline;
    reads_.Start(std::move(done),
                 [this, deadline](int stopFd) { return client_.Read(deadline, stopFd); });
}

void QtWaylandClipboard::Write(std::string text, bool secret, WriteDone done) {
    // The new selection replaces every type the old one offered in one step.
    std::optional<StepError> putFailure;
    try {
        client_.Write(ToUnixLineBreaks(text), secret);
    } catch (const StepError& failure) {
        putFailure = failure;
    }
    done(std::nullopt, putFailure);
}

}  // namespace textmend
