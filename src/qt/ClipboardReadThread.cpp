#include "qt/ClipboardReadThread.h"

#include <fcntl.h>
#include <unistd.h>

#include <memory>
#include <new>

#include "engine/LineBreaks.h"
#include "engine/SystemError.h"
#include "x11/SelectionConnection.h"

namespace textmend {

ClipboardReadThread::ClipboardReadThread(std::function<void()> afterDone)
    : afterDone_(std::move(afterDone)) {
    if (pipe2(stopPipe_, O_CLOEXEC | O_NONBLOCK) != 0) {
        stopPipe_[0] = stopPipe_[1] = -1;
    }
}

ClipboardReadThread::~ClipboardReadThread() {
    if (reader_.joinable()) {
        if (stopPipe_[1] >= 0) {
            [[maybe_unused]] const ssize_t written = write(stopPipe_[1], "x", 1);
        }
        reader_.join();
    }
    for (int fd : stopPipe_) {
        if (fd >= 0) {
            close(fd);
        }
    }
    // An outcome already posted goes with context_, undelivered.
}

void ClipboardReadThread::Start(ClipboardPort::ReadDone done, Work work) {
    // The previous reader has handed its outcome over; it has only to end.
    if (reader_.joinable()) {
        reader_.join();
    }
    pending_ = std::move(done);
    reader_ = std::thread([this, work = std::move(work), stopFd = stopPipe_[0]] {
        auto outcome = std::make_shared<ClipboardRead>();
        try {
            outcome->content = work(stopFd);
            outcome->content.text = ToEngineLineBreaks(std::move(outcome->content.text));
        } catch (const StepError& failure) {
            outcome->content = {};
            outcome->failure = failure;
        } catch (const std::bad_alloc&) {
            outcome->content = {};
            outcome->failure = OutOfMemoryError();
        } catch (const TransferStopped&) {
            return;
        }
        QMetaObject::invokeMethod(
            &context_, [this, outcome] { Finish(std::move(*outcome)); }, Qt::QueuedConnection);
    });
}

void ClipboardReadThread::Finish(ClipboardRead&& read) {
    ClipboardPort::ReadDone done = std::exchange(pending_, nullptr);
    if (done) {
        done(std::move(read));
    }
    if (afterDone_) {
        afterDone_();
    }
}

}  // namespace textmend
