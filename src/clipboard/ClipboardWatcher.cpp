#include "clipboard/ClipboardWatcher.h"

#include "engine/CaseConversion.h"

namespace textmend {

bool ClipboardWatcher::SeeContent(const ClipboardRead& read) {
    if (read.failure) {
        return true;
    }
    const ClipboardContent& content = read.content;
    if (!content.hasText || content.secret || EqualIgnoringCase(content.text, lastClipText_)) {
        return false;
    }
    lastClipText_ = content.text;
    return true;
}

void ClipboardWatcher::Forget() {
    lastClipText_.clear();
    seenCount_.reset();
}

}  // namespace textmend
