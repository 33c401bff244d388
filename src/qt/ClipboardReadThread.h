#pragma once

#include <QObject>
#include <functional>
#include <thread>

#include "ports/ClipboardPort.h"

namespace textmend {

// One clipboard read at a time on a thread of its own, its outcome handed back
// on the window's thread, so an owner that never answers costs that thread the
// deadline and the window nothing.
class ClipboardReadThread {
  public:
    // Reads the clipboard, blocking; gives up by throwing TransferStopped once
    // stopFd becomes readable, and reports failures as StepError.
    using Work = std::function<ClipboardContent(int stopFd)>;

    // afterDone runs on the window's thread after each done, to bring the window
    // up to date.
    explicit ClipboardReadThread(std::function<void()> afterDone);
    // Calls off a read under way; its done never runs.
    ~ClipboardReadThread();
    ClipboardReadThread(const ClipboardReadThread&) = delete;
    ClipboardReadThread& operator=(const ClipboardReadThread&) = delete;

    // Runs work on the thread; done gets its content with CR LF line breaks, or
    // its failure.
    void Start(ClipboardPort::ReadDone done, Work work);

  private:
    void Finish(ClipboardRead&& read);

    QObject context_;
    std::function<void()> afterDone_;
    int stopPipe_[2] = {-1, -1};
    std::thread reader_;
    ClipboardPort::ReadDone pending_;
};

}  // namespace textmend
