#pragma once

#include <windows.h>

namespace textmend {

// Opens the clipboard for the span of one scope. Another program may hold it for a
// moment, so opening is retried briefly before the failure is thrown as StepError.
class ClipboardSession {
  public:
    explicit ClipboardSession(HWND owner);
    ~ClipboardSession();
    ClipboardSession(const ClipboardSession&) = delete;
    ClipboardSession& operator=(const ClipboardSession&) = delete;
};

}  // namespace textmend
