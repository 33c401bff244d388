#pragma once

// The clipboard watcher's memory: the last clipboard text it saw, so that only
// a newly copied text counts as news. Texts that differ only in letter case are
// the same text here.

#include <functional>
#include <string>

#include "ports/ClipboardPort.h"

namespace textmend {

class ClipboardWatcher {
  public:
    using FailureReport = std::function<void(const StepError&)>;

    explicit ClipboardWatcher(ClipboardPort& clipboard) : clipboard_(clipboard) {}

    // Looks at the clipboard once. Returns true when it holds a text other than
    // the one last seen, which it then remembers. Content marked secret is
    // neither news nor remembered. Each failing clipboard call is reported and
    // counts as the check passing; an unreadable text is news and leaves the memory
    // as it was.
    bool SeeNewText(const FailureReport& report);

    // Remembers text as seen, so the watcher never takes it for news.
    void Remember(std::string text) { lastClipText_ = std::move(text); }
    void Forget() { lastClipText_.clear(); }

    const std::string& lastClipText() const { return lastClipText_; }

  private:
    ClipboardPort& clipboard_;
    std::string lastClipText_;
};

// Whether a and b are equal apart from letter case, by the Unicode simple case
// mappings (the same on every machine, whatever the locale).
bool SameTextIgnoringCase(const std::string& a, const std::string& b);

}  // namespace textmend
