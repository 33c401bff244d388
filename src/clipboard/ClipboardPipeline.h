#pragma once

// The clipboard pipeline: the Process command's runs and the watcher's looks,
// over reads and writes that finish some time after they start. One run at a
// time; runs asked for meanwhile wait their turn. One read at a time, which the
// watcher and a run may share.

#include <cstdint>
#include <deque>
#include <optional>
#include <vector>

#include "clipboard/ClipboardReads.h"
#include "clipboard/ClipboardWatcher.h"
#include "clipboard/ProcessRequest.h"

namespace textmend {

class ClipboardPipeline {
  public:
    ClipboardPipeline(ClipboardPort& clipboard, ProcessHost& host)
        : clipboard_(clipboard), host_(host), reads_(clipboard) {}

    // Runs the Process command for request, at once or after the runs before it.
    void Run(ProcessRequest request);
    // The watcher's tick: reads the clipboard when it has changed since the
    // watcher last looked, never while a read or a run is under way, so an owner
    // that does not answer is asked once per content, not once a second.
    void Watch();
    // Nothing starts or ends any more; transfers under way end unheard.
    void Stop() { stopped_ = true; }

    ClipboardWatcher& watcher() { return watcher_; }
    const ClipboardWatcher& watcher() const { return watcher_; }

  private:
    struct ActiveRun {
        std::vector<ProcessRoute> routes{};  // the route that asked first
        bool waitingForRead = false;
    };

    void Start(ProcessRequest request);
    void Take(ClipboardRead read);
    void Put(std::string text, bool secret);
    void Finish(ProcessOutcome outcome);
    void Seen(ClipboardRead read, std::uint64_t putsBefore, std::uint64_t changeCount);

    ClipboardPort& clipboard_;
    ProcessHost& host_;
    ClipboardReads reads_;
    ClipboardWatcher watcher_;
    std::optional<ActiveRun> running_;
    std::deque<ProcessRequest> waiting_;
    std::uint64_t puts_ = 0;  // the writes the program has started
    bool stopped_ = false;
};

}  // namespace textmend
