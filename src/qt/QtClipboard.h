#pragma once

#include <QObject>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "ports/ClipboardPort.h"
#include "qt/ClipboardReadThread.h"
#include "x11/ClipboardOwner.h"

namespace textmend {

// The desktop's CLIPBOARD selection, plain text only, with the line breaks
// translated between the desktop's LF and the program's CR LF.
//
// The change count follows the toolkit's clipboard notices (XFixes under X11).
// A read of another program's copy runs on a thread of its own over an X
// connection of its own, so an owner that never answers costs that thread the
// deadline and the window nothing; its outcome comes back on the window's
// thread. Writing is local: the clipboard changes hands in one step, without
// asking the previous owner anything, to a ClipboardOwner that serves the text
// from a thread of its own (a secret text with the password managers' mark).
class QtClipboard : public ClipboardPort {
  public:
    // afterDone runs on the window's thread after each done that came back from
    // the background, to bring the window up to date.
    explicit QtClipboard(std::function<void()> afterDone = {});

    std::uint64_t ChangeCount() override { return changes_; }
    void Read(ReadDone done) override;
    void Write(std::string text, bool secret, WriteDone done) override;
    // Whether the clipboard still holds the text this program put there last.
    bool OffersOwnText();

  private:
    QObject context_;
    std::string display_;  // the display the program runs on, for the reader's connection
    std::uint64_t changes_ = 0;
    ClipboardReadThread reads_;
    std::unique_ptr<ClipboardOwner> owner_;  // made by the first write
};

}  // namespace textmend
