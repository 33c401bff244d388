#include "clipboard/ClipboardPipeline.h"

#include <utility>

namespace textmend {

void ClipboardPipeline::Run(ProcessRequest request) {
    if (running_) {
        waiting_.push_back(std::move(request));
        return;
    }
    Start(std::move(request));
}

void ClipboardPipeline::Start(ProcessRequest request) {
    running_ = ActiveRun{.routes = {request.route}};
    if (request.read) {
        Take(std::move(*request.read));
        return;
    }
    running_->waitingForRead = true;
    reads_.Request([this](ClipboardRead&& read) { Take(std::move(read)); });
}

void ClipboardPipeline::Take(ClipboardRead read) {
    if (stopped_) {
        return;
    }
    running_->waitingForRead = false;
    const bool secret = read.content.secret;
    std::optional<std::string> text = host_.TextToPut(running_->routes.front(), std::move(read));
    if (!text) {
        Finish({});
        return;
    }
    Put(std::move(*text), secret);
}

// What was read as secret is put back as secret, whatever became of it. The
// clipboard takes a copy and the outcome keeps the text: one copy of a large
// text, made before the clipboard changes hands.
void ClipboardPipeline::Put(std::string text, bool secret) {
    ++puts_;
    std::string put = text;
    clipboard_.Write(
        std::move(put), secret,
        [this, text = std::move(text)](const std::optional<StepError>& emptyFailure,
                                       const std::optional<StepError>& putFailure) {
            if (stopped_) {
                return;
            }
            Finish({.text = text, .emptyFailure = emptyFailure, .putFailure = putFailure});
        });
}

// The one end of every run. The watcher takes the program's own text as seen,
// whichever route put it, before anyone hears of it: no tick takes it for a new
// copy, and no run processes it again.
void ClipboardPipeline::Finish(ProcessOutcome outcome) {
    outcome.routes = std::move(running_->routes);
    running_.reset();
    if (outcome.Put()) {
        watcher_.Remember(*outcome.text);
    }
    host_.ProcessEnded(outcome);
    if (!waiting_.empty() && !stopped_ && !running_) {
        ProcessRequest next = std::move(waiting_.front());
        waiting_.pop_front();
        Start(std::move(next));
    }
}

void ClipboardPipeline::Watch() {
    if (stopped_ || reads_.Pending() || running_) {
        return;
    }
    const std::uint64_t changeCount = clipboard_.ChangeCount();
    if (!watcher_.Changed(changeCount)) {
        return;
    }
    watcher_.Looking(changeCount);
    reads_.Request([this, putsBefore = puts_, changeCount](ClipboardRead&& read) {
        Seen(std::move(read), putsBefore, changeCount);
    });
}

// News is processed by a run of its own, or, when a run waits for this very
// read, by that run, which then ends as the watcher's own would. A read that a
// put of the program's own overtook (Restore original while the owner was still
// answering), or that the clipboard changed under (another copy made
// meanwhile), tells of a clipboard that is no more: it is dropped, never
// processed over the newer text, and the next tick reads what is there now. A
// run's read is never overtaken by the program's own puts: runs put one at a
// time, and a run that reads puts only after its read.
void ClipboardPipeline::Seen(ClipboardRead read, std::uint64_t putsBefore,
                             std::uint64_t changeCount) {
    if (stopped_ || puts_ != putsBefore || clipboard_.ChangeCount() != changeCount) {
        return;
    }
    if (read.failure) {
        host_.ShowError(*read.failure);
    }
    if (!watcher_.SeeContent(read) || !host_.ProcessesNews()) {
        return;
    }
    if (running_ && running_->waitingForRead) {
        running_->routes.push_back(ProcessRoute::Watcher);
        return;
    }
    Run({.route = ProcessRoute::Watcher, .read = std::move(read)});
}

}  // namespace textmend
