#include "tray/ClipboardWatcher.h"

#include "engine/CaseConversion.h"

namespace textmend {

bool SameTextIgnoringCase(const std::string& a, const std::string& b) {
    // The simple mappings are one code point to one, so equal lengths in code
    // points are kept, but not always in bytes: compare the lowered forms.
    return a == b || ToLower(a) == ToLower(b);
}

bool ClipboardWatcher::SeeNewText(const FailureReport& report) {
    try {
        if (!clipboard_.HasText()) {
            return false;
        }
    } catch (const StepError& error) {
        report(error);
    }
    // When the mark cannot be read the content may be secret: leave it alone.
    try {
        if (clipboard_.IsSecret()) {
            return false;
        }
    } catch (const StepError& error) {
        report(error);
        return false;
    }
    // A text that cannot be read counts as news; the memory keeps the last one.
    try {
        std::string text = clipboard_.ReadText();
        if (SameTextIgnoringCase(text, lastClipText_)) {
            return false;
        }
        lastClipText_ = std::move(text);
    } catch (const StepError& error) {
        report(error);
    }
    return true;
}

}  // namespace textmend
