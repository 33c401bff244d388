#include "x11/SelectionConnection.h"

#include <poll.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <memory>

#include "engine/SystemError.h"

namespace textmend {
namespace {

struct FreeDeleter {
    void operator()(void* p) const { std::free(p); }
};
template <class T>
using Reply = std::unique_ptr<T, FreeDeleter>;

// The whole of a property, however long: the server sends no more than exists.
constexpr std::uint32_t kWholeProperty = std::numeric_limits<std::uint32_t>::max() / 4;

// What an INCR transfer reserves at most before its data arrives: the size an
// owner announces is its word alone (4 GB for "hello"), so memory grows with
// what arrives beyond this.
constexpr std::size_t kMostReservedUpFront = 4 << 20;

}  // namespace

StepError TransferTimeoutError() {
    return SystemError(ETIMEDOUT);
}

StepError TransferRefusedError() {
    return SystemError(ENODATA);
}

StepError TransferProtocolError() {
    return SystemError(EPROTO);
}

WindowConnection ConnectWithWindow(const std::string& display) {
    int screenNumber = 0;
    xcb_connection_t* connection =
        xcb_connect(display.empty() ? nullptr : display.c_str(), &screenNumber);
    if (xcb_connection_has_error(connection) != 0) {
        xcb_disconnect(connection);
        throw SystemError(ECONNREFUSED);
    }
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(connection));
    for (int i = 0; i < screenNumber && screens.rem > 1; ++i) {
        xcb_screen_next(&screens);
    }
    const xcb_window_t window = xcb_generate_id(connection);
    const std::uint32_t events = XCB_EVENT_MASK_PROPERTY_CHANGE;
    xcb_create_window(connection, XCB_COPY_FROM_PARENT, window, screens.data->root, 0, 0, 1, 1, 0,
                      XCB_WINDOW_CLASS_INPUT_ONLY, XCB_COPY_FROM_PARENT, XCB_CW_EVENT_MASK,
                      &events);
    return {connection, window};
}

void NotifyRequestor(xcb_connection_t* connection, const xcb_selection_request_event_t& request,
                     xcb_atom_t property) {
    xcb_selection_notify_event_t notify{};
    notify.response_type = XCB_SELECTION_NOTIFY;
    notify.time = request.time;
    notify.requestor = request.requestor;
    notify.selection = request.selection;
    notify.target = request.target;
    notify.property = property;
    xcb_send_event(connection, 0, request.requestor, XCB_EVENT_MASK_NO_EVENT,
                   reinterpret_cast<const char*>(&notify));
}

SelectionConnection::SelectionConnection(const std::string& display, Clock::time_point deadline,
                                         int stopFd)
    : deadline_(deadline), stopFd_(stopFd) {
    const WindowConnection own = ConnectWithWindow(display);
    connection_ = own.connection;
    window_ = own.window;
    const std::vector<xcb_atom_t> atoms = Atoms({"TEXTMEND_SELECTION", "INCR"});
    property_ = atoms[0];
    incr_ = atoms[1];
}

SelectionConnection::~SelectionConnection() {
    if (connection_ != nullptr) {
        xcb_disconnect(connection_);
    }
}

std::vector<xcb_atom_t> SelectionConnection::Atoms(const std::vector<std::string_view>& names) {
    std::vector<xcb_intern_atom_cookie_t> cookies;
    for (std::string_view name : names) {
        cookies.push_back(
            xcb_intern_atom(connection_, 0, static_cast<std::uint16_t>(name.size()), name.data()));
    }
    std::vector<xcb_atom_t> atoms;
    for (xcb_intern_atom_cookie_t cookie : cookies) {
        Reply<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(connection_, cookie, nullptr));
        atoms.push_back(reply ? reply->atom : XCB_NONE);
    }
    return atoms;
}

bool SelectionConnection::HasOwner(xcb_atom_t selection) {
    Reply<xcb_get_selection_owner_reply_t> reply(xcb_get_selection_owner_reply(
        connection_, xcb_get_selection_owner(connection_, selection), nullptr));
    return reply && reply->owner != XCB_NONE;
}

std::optional<SelectionData> SelectionConnection::Convert(xcb_atom_t selection, xcb_atom_t target) {
    xcb_convert_selection(connection_, window_, selection, target, property_, XCB_CURRENT_TIME);
    xcb_flush(connection_);
    for (;;) {
        Reply<xcb_generic_event_t> event(WaitEvent());
        if ((event->response_type & 0x7F) != XCB_SELECTION_NOTIFY) {
            continue;
        }
        const auto* notify = reinterpret_cast<xcb_selection_notify_event_t*>(event.get());
        if (notify->selection != selection || notify->target != target) {
            continue;  // the late answer to an earlier request
        }
        if (notify->property == XCB_NONE) {
            return std::nullopt;
        }
        SelectionData data = TakeProperty();
        if (data.type == incr_) {
            std::uint32_t announcedSize = 0;
            if (data.format == 32 && data.bytes.size() >= 4) {
                std::memcpy(&announcedSize, data.bytes.data(), 4);
            }
            return ReceiveIncrementally(announcedSize);
        }
        return data;
    }
}

// Reads the property and deletes it, which tells an owner sending INCR to go on.
SelectionData SelectionConnection::TakeProperty() {
    Reply<xcb_get_property_reply_t> reply(
        xcb_get_property_reply(connection_,
                               xcb_get_property(connection_, 1, window_, property_,
                                                XCB_GET_PROPERTY_TYPE_ANY, 0, kWholeProperty),
                               nullptr));
    SelectionData data;
    if (!reply) {
        return data;
    }
    data.type = reply->type;
    data.format = reply->format;
    const auto* value = static_cast<const char*>(xcb_get_property_value(reply.get()));
    data.bytes.assign(value, static_cast<std::size_t>(xcb_get_property_value_length(reply.get())));
    return data;
}

// The owner writes each piece into the property after the last one was deleted
// and an empty piece of the same type at the end. A notice whose property is
// gone by the time it is read (its piece came with an earlier notice, or the
// owner deleted it) brings nothing and ends nothing: an owner that stops
// without the end costs the deadline, never a text cut short.
SelectionData SelectionConnection::ReceiveIncrementally(std::uint32_t announcedSize) {
    SelectionData data;
    data.bytes.reserve(std::min<std::size_t>(announcedSize, kMostReservedUpFront));
    for (;;) {
        Reply<xcb_generic_event_t> event(WaitEvent());
        if ((event->response_type & 0x7F) != XCB_PROPERTY_NOTIFY) {
            continue;
        }
        const auto* notify = reinterpret_cast<xcb_property_notify_event_t*>(event.get());
        if (notify->atom != property_ || notify->state != XCB_PROPERTY_NEW_VALUE) {
            continue;
        }
        const SelectionData piece = TakeProperty();
        if (piece.type == XCB_NONE) {
            continue;
        }
        if (data.type == XCB_NONE) {
            data.type = piece.type;
            data.format = piece.format;
        } else if (piece.type != data.type || piece.format != data.format) {
            throw TransferProtocolError();
        }
        if (piece.bytes.empty()) {
            return data;
        }
        data.bytes += piece.bytes;
    }
}

xcb_generic_event_t* SelectionConnection::WaitEvent() {
    for (;;) {
        // Before every event, not only when none is waiting: an owner may keep
        // the queue full.
        const auto left =
            std::chrono::ceil<std::chrono::milliseconds>(deadline_ - Clock::now()).count();
        if (left <= 0) {
            throw TransferTimeoutError();
        }
        if (xcb_generic_event_t* event = xcb_poll_for_event(connection_)) {
            return event;
        }
        if (xcb_connection_has_error(connection_) != 0) {
            throw SystemError(ECONNRESET);
        }
        pollfd waits[2] = {{xcb_get_file_descriptor(connection_), POLLIN, 0}, {stopFd_, POLLIN, 0}};
        const int ready = poll(waits, stopFd_ >= 0 ? 2 : 1, static_cast<int>(left));
        if (ready < 0 && errno != EINTR) {
            throw LastSystemError();
        }
        if (stopFd_ >= 0 && (waits[1].revents & POLLIN) != 0) {
            throw TransferStopped{};
        }
    }
}

}  // namespace textmend
