#pragma once

// The Windows clipboard, Unicode text only. The single-byte text format would lose
// every character outside the system code page, so it is never used.

#include <windows.h>

#include <string>

#include "ports/ClipboardPort.h"

namespace textmend {

class Win32Clipboard : public ClipboardPort {
  public:
    // owner: the window that owns what this program puts on the clipboard.
    explicit Win32Clipboard(HWND owner = nullptr) : owner_(owner) {}
    void SetOwner(HWND owner) { owner_ = owner; }

    std::uint64_t ChangeCount() override { return GetClipboardSequenceNumber(); }
    void Read(ReadDone done) override;
    void Write(std::string text, WriteDone done) override;

    // The steps behind Read and Write, each throwing StepError.
    bool HasText();
    std::string ReadText();
    void Empty();
    void PutText(const std::string& text);
    bool IsSecret();

  private:
    HWND owner_;
};

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
