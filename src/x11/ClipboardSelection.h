#pragma once

#include <chrono>

#include "ports/ClipboardPort.h"
#include "x11/SelectionConnection.h"

namespace textmend {

// Reads the CLIPBOARD selection over a connection of its own: what it offers
// (TARGETS), the password managers' mark, and the text by the best text target.
// The text is UTF-8 with the desktop's LF line breaks. Blocks until it is done
// or the deadline has passed (TransferTimeoutError); stopFd as for
// SelectionConnection.
ClipboardContent ReadClipboardSelection(SelectionConnection::Clock::time_point deadline,
                                        int stopFd = -1);

}  // namespace textmend
