#pragma once

#include <chrono>
#include <string>

#include "ports/ClipboardPort.h"
#include "x11/SelectionConnection.h"

namespace textmend {

// Reads the CLIPBOARD selection of display ($DISPLAY when empty) over a
// connection of its own: what it offers (TARGETS), the password managers' mark,
// and the text by the best text target, read by the type of the reply. The text
// is UTF-8 with the desktop's LF line breaks. Blocks until it is done or the
// deadline has passed (TransferTimeoutError). Text the owner offered but did not
// give in a form this program reads is a failure (TransferRefusedError,
// TransferProtocolError), never an empty text; stopFd as for SelectionConnection.
ClipboardContent ReadClipboardSelection(const std::string& display,
                                        SelectionConnection::Clock::time_point deadline,
                                        int stopFd = -1);

}  // namespace textmend
