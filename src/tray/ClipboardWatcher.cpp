#include "tray/ClipboardWatcher.h"

#include "engine/CaseConversion.h"

namespace textmend {

bool SameTextIgnoringCase(const std::string& a, const std::string& b) {
    // The simple mappings are one code point to one, so equal lengths in code
    // points are kept, but not always in bytes: compare the lowered forms.
    return a == b || ToLower(a) == ToLower(b);
}

bool ClipboardWatcher::SeeContent(const ClipboardContent& content,
                                  const std::optional<StepError>& failure) {
    if (failure) {
        return true;
    }
    if (!content.hasText || content.secret || SameTextIgnoringCase(content.text, lastClipText_)) {
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
