#pragma once

// The clipboard watcher's memory: the last clipboard text it saw, so that only a
// newly copied text counts as news, and the clipboard's change count when it last
// looked, so that it reads only after a change. Texts that differ only in letter
// case are the same text here.

#include <cstdint>
#include <optional>
#include <string>

#include "ports/ClipboardPort.h"

namespace textmend {

class ClipboardWatcher {
  public:
    // Whether the clipboard has changed since the watcher last looked.
    bool Changed(std::uint64_t changeCount) const { return changeCount != seenCount_; }
    // A read of the clipboard as it was at changeCount begins: the watcher has
    // looked, whatever the read finds, and asks no owner twice for one content.
    void Looking(std::uint64_t changeCount) { seenCount_ = changeCount; }

    // Whether what a read found is news: a text other than the one last seen,
    // which it then remembers. Content without text or marked secret is no news
    // and not remembered. A failed read counts as news and keeps the memory.
    bool SeeContent(const ClipboardRead& read);

    // Remembers text as seen, so the watcher never takes it for news.
    void Remember(std::string text) { lastClipText_ = std::move(text); }
    // Forgets the text, and that it ever looked.
    void Forget();

    const std::string& lastClipText() const { return lastClipText_; }

  private:
    std::string lastClipText_;
    std::optional<std::uint64_t> seenCount_;
};

}  // namespace textmend
