#pragma once

// The Windows clipboard as the core's port. Every transfer runs on a worker
// thread of its own, so that an owner that never renders its data costs that
// thread, never the window: the outcome comes back to the window's thread, or,
// when the deadline passes first, ERROR_TIMEOUT does and the late outcome is
// dropped. The clipboard is still opened for the main window, which owns what
// this program puts there and answers the messages other programs' clipboard
// use sends it on the window's thread.

#include <windows.h>

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>

#include "ports/ClipboardPort.h"

namespace textmend {

class Win32Clipboard : public ClipboardPort {
  public:
    // Runs a done that came back from a worker, on this thread.
    using Deliver = std::function<void(const std::function<void()>& done)>;

    // owner: the window that owns what this program puts on the clipboard.
    // deliver, when given, runs each done that came back from a worker.
    explicit Win32Clipboard(HWND owner = nullptr, Deliver deliver = {});
    ~Win32Clipboard() override;
    Win32Clipboard(const Win32Clipboard&) = delete;
    Win32Clipboard& operator=(const Win32Clipboard&) = delete;

    std::uint64_t ChangeCount() override { return GetClipboardSequenceNumber(); }
    void Read(ReadDone done) override;
    void Write(std::string text, bool secret, WriteDone done) override;

  private:
    struct Job;
    struct Shared;
    // The clipboard's content as the sequence number and the owner tell it apart.
    struct Content {
        DWORD sequence = 0;
        HWND owner = nullptr;
        bool operator==(const Content&) const = default;
        static Content Now();
    };
    struct Pending {
        std::shared_ptr<Job> job;
        ReadDone readDone;
        WriteDone writeDone;
        Content readFrom;
    };

    static LRESULT CALLBACK RepliesProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    void Start(std::shared_ptr<Job> job, Pending pending);
    void Finish(std::uint64_t jobId, bool deadlinePassed);

    HWND owner_;
    Deliver deliver_;
    HWND replies_ = nullptr;  // a message-only window of this thread
    std::shared_ptr<Shared> shared_;
    std::map<std::uint64_t, Pending> pending_;
    std::uint64_t lastJobId_ = 0;
    // The content whose owner let a read run out of time.
    std::optional<Content> unanswered_;
};

}  // namespace textmend
