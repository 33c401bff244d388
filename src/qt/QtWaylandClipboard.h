#pragma once

#include <cstdint>
#include <functional>

#include "ports/ClipboardPort.h"
#include "qt/ClipboardReadThread.h"
#include "wayland/WaylandClipboardClient.h"

namespace textmend {

// The clipboard of a native Wayland session through the compositor's
// data-control manager, plain text only, with the line breaks translated
// between the desktop's LF and the program's CR LF.
//
// The change count is the client's count of new selections, so copies made
// while another window has the focus count too. Reads run on a thread of their
// own (ClipboardReadThread). Writing waits only for the compositor to make the
// text the selection, never for the previous owner.
class QtWaylandClipboard : public ClipboardPort {
  public:
    // Throws StepError when the compositor offers no data-control manager.
    // afterDone runs on the window's thread after each read's done.
    explicit QtWaylandClipboard(std::function<void()> afterDone = {});

    std::uint64_t ChangeCount() override { return client_.ChangeCount(); }
    void Read(ReadDone done) override;
    void Write(std::string text, bool secret, WriteDone done) override;
    // Whether the clipboard still holds the text this program put there last.
    bool OffersOwnText() const { return client_.Serving(); }

  private:
    // Declared first: the reads that use it end before it goes.
    WaylandClipboardClient client_;
    ClipboardReadThread reads_;
};

}  // namespace textmend
