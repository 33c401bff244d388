#include "win32/Win32Clipboard.h"

#include <mutex>
#include <new>
#include <thread>

#include "win32/AppMessages.h"
#include "win32/ClipboardTransfer.h"
#include "win32/MessageWindow.h"
#include "win32/TransferWatch.h"
#include "win32/Win32Error.h"

namespace textmend {
namespace {

constexpr wchar_t kRepliesClass[] = L"TextmendClipboardReplies";

}  // namespace

// One transfer. The worker fills in the outcome, under Shared's lock.
struct Win32Clipboard::Job {
    std::uint64_t id = 0;
    std::optional<std::string> text;  // what to write; nothing for a read
    bool secret = false;              // to be written with the marks
    TransferWatch watch;
    ClipboardRead read;
    WriteFailures writeFailures;
};

// What the workers and the port share: where to report, gone with the port.
struct Win32Clipboard::Shared {
    std::mutex mutex;
    HWND replies = nullptr;
};

Win32Clipboard::Win32Clipboard(HWND owner, Deliver deliver)
    : owner_(owner), deliver_(std::move(deliver)), shared_(std::make_shared<Shared>()) {
    replies_ = CreateMessageWindow(kRepliesClass, RepliesProc, this);
    shared_->replies = replies_;
}

Win32Clipboard::~Win32Clipboard() {
    {
        std::lock_guard lock(shared_->mutex);
        shared_->replies = nullptr;
    }
    DestroyWindow(replies_);
}

Win32Clipboard::Content Win32Clipboard::Content::Now() {
    return {GetClipboardSequenceNumber(), GetClipboardOwner()};
}

void Win32Clipboard::Read(ReadDone done) {
    // An owner that let a read run out of time is not asked again until the
    // clipboard has changed or has another owner.
    if (unanswered_ == Content::Now()) {
        done({.failure = TransferTimeoutError()});
        return;
    }
    unanswered_.reset();
    auto job = std::make_shared<Job>();
    Start(job, Pending{job, std::move(done), nullptr, Content::Now()});
}

void Win32Clipboard::Write(std::string text, bool secret, WriteDone done) {
    auto job = std::make_shared<Job>();
    job->text = std::move(text);
    job->secret = secret;
    Start(job, Pending{job, nullptr, std::move(done), {}});
}

void Win32Clipboard::Start(std::shared_ptr<Job> job, Pending pending) {
    job->id = ++lastJobId_;
    pending_.emplace(job->id, std::move(pending));
    SetTimer(replies_, static_cast<UINT_PTR>(job->id), static_cast<UINT>(kDeadline.count()),
             nullptr);
    const TransferDeadline deadline = std::chrono::steady_clock::now() + kDeadline;
    std::thread([shared = shared_, job, window = owner_, deadline] {
        const TransferWatch::Listener listener(job->watch);
        ClipboardRead read;
        WriteFailures writeFailures;
        if (job->text) {
            writeFailures =
                WriteClipboardText(window, *job->text, job->secret, deadline, &job->watch);
        } else {
            try {
                read.content = ReadClipboardContent(window, deadline, &job->watch);
            } catch (const StepError& failure) {
                read.failure = failure;
            } catch (const std::bad_alloc&) {
                read.failure = OutOfMemoryError();
            }
        }
        std::lock_guard lock(shared->mutex);
        job->read = std::move(read);
        job->writeFailures = std::move(writeFailures);
        if (shared->replies != nullptr) {
            PostMessageW(shared->replies, kClipboardDoneMessage, static_cast<WPARAM>(job->id), 0);
        }
    }).detach();
}

LRESULT CALLBACK Win32Clipboard::RepliesProc(HWND hwnd, UINT message, WPARAM wParam,
                                             LPARAM lParam) {
    auto* self = reinterpret_cast<Win32Clipboard*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (self != nullptr && (message == kClipboardDoneMessage || message == WM_TIMER)) {
        self->Finish(static_cast<std::uint64_t>(wParam), message == WM_TIMER);
        return 0;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

void Win32Clipboard::Finish(std::uint64_t jobId, bool deadlinePassed) {
    KillTimer(replies_, static_cast<UINT_PTR>(jobId));
    auto found = pending_.find(jobId);
    if (found == pending_.end()) {
        return;  // the deadline passed before the worker came back, or the reverse
    }
    // A write whose text landed just before the deadline is reported as done at
    // once, so that the program remembers its text, whatever the rest of the
    // transfer (closing the clipboard) still waits for.
    const bool landed = deadlinePassed && !found->second.job->watch.Abandon();
    const Pending pending = std::move(found->second);
    pending_.erase(found);

    ClipboardRead read;
    WriteFailures writeFailures;
    if (landed) {
        writeFailures = {};
    } else if (deadlinePassed) {
        read.failure = TransferTimeoutError();
        writeFailures = {read.failure, read.failure};
    } else {
        std::lock_guard lock(shared_->mutex);
        read = std::move(pending.job->read);
        writeFailures = std::move(pending.job->writeFailures);
    }
    if (pending.readDone && read.failure && read.failure->number() == ERROR_TIMEOUT) {
        unanswered_ = pending.readFrom;
    }
    const auto done = [&] {
        if (pending.readDone) {
            pending.readDone(std::move(read));
        } else if (pending.writeDone) {
            pending.writeDone(writeFailures.empty, writeFailures.put);
        }
    };
    if (deliver_) {
        deliver_(done);
    } else {
        done();
    }
}

}  // namespace textmend
