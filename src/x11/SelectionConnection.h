#pragma once

// A private connection to the X server for reading one selection, away from the
// toolkit's connection and thread: ICCCM ConvertSelection, INCR for large data,
// and one deadline for everything asked through it. The owner of a selection is
// another client that may never answer; the server itself is trusted to.

#include <xcb/xcb.h>

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/StepError.h"

namespace textmend {

// The failure of a transfer that missed its deadline: ETIMEDOUT with the
// system's text for it.
StepError TransferTimeoutError();
// The failures of an owner that refused every form of the data it offered
// (ENODATA), and of one whose answer broke the protocol (EPROTO): a property it
// never wrote, pieces of changing types, data of a type that was not asked for.
StepError TransferRefusedError();
StepError TransferProtocolError();

// Thrown when the stop descriptor became readable: the transfer was called off
// and nobody wants its outcome.
struct TransferStopped {};

// A connection to display ($DISPLAY when empty) and an unseen window of its own
// that hears of its property changes. Throws SystemError(ECONNREFUSED).
struct WindowConnection {
    xcb_connection_t* connection;
    xcb_window_t window;
};
WindowConnection ConnectWithWindow(const std::string& display);

// Tells the requestor of request that its conversion is done into property, or
// refused (XCB_NONE).
void NotifyRequestor(xcb_connection_t* connection, const xcb_selection_request_event_t& request,
                     xcb_atom_t property);

// What an owner converted a selection to.
struct SelectionData {
    xcb_atom_t type = XCB_NONE;  // none: the owner named a property it never wrote
    std::uint8_t format = 8;     // bits per item
    std::string bytes;
};

class SelectionConnection {
  public:
    using Clock = std::chrono::steady_clock;

    // Connects to display ($DISPLAY when empty) and makes a window to receive the
    // data. Failures are thrown as StepError; stopFd, when readable, calls every
    // wait off.
    SelectionConnection(const std::string& display, Clock::time_point deadline, int stopFd);
    ~SelectionConnection();
    SelectionConnection(const SelectionConnection&) = delete;
    SelectionConnection& operator=(const SelectionConnection&) = delete;

    // The atoms of names, in one round trip.
    std::vector<xcb_atom_t> Atoms(const std::vector<std::string_view>& names);
    // Whether some client owns selection.
    bool HasOwner(xcb_atom_t selection);
    // The owner's conversion of selection to target, of the type the owner gave
    // it (INCR: the type of its pieces); nothing when it refused. Throws
    // TransferTimeoutError() when the deadline passes first, and
    // TransferProtocolError() for pieces of changing types.
    std::optional<SelectionData> Convert(xcb_atom_t selection, xcb_atom_t target);

  private:
    // The next event for this connection's window; throws at the deadline,
    // however many events are waiting.
    xcb_generic_event_t* WaitEvent();
    SelectionData TakeProperty();
    SelectionData ReceiveIncrementally(std::uint32_t announcedSize);

    Clock::time_point deadline_;
    int stopFd_;
    xcb_connection_t* connection_ = nullptr;
    xcb_window_t window_ = XCB_NONE;
    xcb_atom_t property_ = XCB_NONE;
    xcb_atom_t incr_ = XCB_NONE;
};

}  // namespace textmend
