#include "tray/ClipboardWatcher.h"

#include "engine/CaseConversion.h"

namespace textmend {

bool ClipboardWatcher::SeeContent(const ClipboardContent& content,
                                  const std::optional<StepError>& failure) {
    if (failure) {
        return true;
    }
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
