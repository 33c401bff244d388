#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "ports/ClipboardPort.h"
#include "wayland/PipeTransfer.h"

namespace textmend {

class DataControlClient;

// The clipboard of a Wayland seat through the compositor's data-control manager
// (ext-data-control-v1, else zwlr_data_control_unstable_v1), on a connection and
// a thread of its own, so it needs no focus and never holds the caller's thread
// on the compositor's events. Texts are UTF-8 with the desktop's LF line breaks.
class WaylandClipboardClient {
  public:
    using Clock = TransferClock;

    // Connects to $WAYLAND_DISPLAY and takes the first seat's clipboard. Throws
    // StepError when that fails or the compositor offers no data-control manager.
    WaylandClipboardClient();
    // Stops the thread; every Read must have returned.
    ~WaylandClipboardClient();
    WaylandClipboardClient(const WaylandClipboardClient&) = delete;
    WaylandClipboardClient& operator=(const WaylandClipboardClient&) = delete;

    // Which of the two protocols the client speaks: "ext_data_control_v1" or
    // "wlr_data_control_unstable_v1".
    const char* ProtocolName() const;
    // Counts the clipboard's new selections, by any client, this one included.
    std::uint64_t ChangeCount() const;
    // Reads the current selection: the password managers' mark and the text of the
    // best text type. Blocks the calling thread until done; throws
    // TransferTimeoutError() at the deadline, TransferStopped when stopFd becomes
    // readable, StepError on other failures (EBUSY while another read runs).
    ClipboardContent Read(Clock::time_point deadline, int stopFd = -1);
    // Takes the clipboard with text under every text type (and the mark when
    // secret), served from this client until another takes it. Returns once the
    // compositor has made it the selection; throws StepError when it has not by
    // ClipboardPort::kDeadline.
    void Write(std::string text, bool secret);
    // Whether a text this client wrote is still the selection.
    bool Serving() const;

  private:
    std::unique_ptr<DataControlClient> client_;
};

}  // namespace textmend
