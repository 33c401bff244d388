#include "x11/ClipboardOwner.h"

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "engine/SystemError.h"
#include "ports/ClipboardPort.h"
#include "x11/SelectionConnection.h"
#include "x11/SelectionText.h"

namespace textmend {
namespace {

using Clock = std::chrono::steady_clock;

// The largest piece of a text put in one property: more goes by INCR. Every
// piece passes through the server twice, into the property and out to the
// requestor; half a megabyte stays in the processors' caches on the way, where
// pieces of several megabytes made a 10 MB transfer take half as long again.
constexpr std::size_t kMostInOneProperty = 512 << 10;

constexpr const char* kAtomNames[] = {
    "CLIPBOARD",
    "TARGETS",
    "TIMESTAMP",
    "SAVE_TARGETS",
    "INCR",
    "UTF8_STRING",
    "text/plain;charset=utf-8",
    "TEXT",
    "STRING",
    "INTEGER",
    "CLIPBOARD_MANAGER",
    "x-kde-passwordManagerHint",
    "TEXTMEND_OWNER_TIME",
};

}  // namespace

ClipboardOwner::ClipboardOwner(const std::string& display) {
    const WindowConnection own = ConnectWithWindow(display);
    connection_ = own.connection;
    window_ = own.window;
    if (pipe2(wake_, O_CLOEXEC | O_NONBLOCK) != 0) {
        xcb_disconnect(connection_);
        throw LastSystemError();
    }
    std::vector<xcb_intern_atom_cookie_t> cookies;
    for (const char* name : kAtomNames) {
        cookies.push_back(
            xcb_intern_atom(connection_, 0, static_cast<std::uint16_t>(std::strlen(name)), name));
    }
    for (std::size_t i = 0; i < cookies.size(); ++i) {
        xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(connection_, cookies[i], nullptr);
        atoms_[kAtomNames[i]] = reply != nullptr ? reply->atom : XCB_NONE;
        std::free(reply);
    }
    // A request carries its length in 4-byte units, its header included.
    const std::size_t mostInRequest = std::size_t{xcb_get_maximum_request_length(connection_)} * 4;
    pieceSize_ = std::min(kMostInOneProperty, mostInRequest - 64);
    thread_ = std::thread([this] { Serve(); });
}

ClipboardOwner::~ClipboardOwner() {
    Call(Ask::HandOver);
    {
        const std::lock_guard lock(mutex_);
        stop_ = true;
    }
    [[maybe_unused]] const ssize_t written = write(wake_[1], "x", 1);
    thread_.join();
    close(wake_[0]);
    close(wake_[1]);
    xcb_disconnect(connection_);
}

void ClipboardOwner::Offer(std::string text, bool secret) {
    {
        const std::lock_guard lock(mutex_);
        next_ = {std::make_shared<const std::string>(std::move(text)), secret};
    }
    if (!Call(Ask::Take)) {
        throw TransferTimeoutError();
    }
}

std::optional<OwnedText> ClipboardOwner::Offered() {
    xcb_get_selection_owner_reply_t* reply = xcb_get_selection_owner_reply(
        connection_, xcb_get_selection_owner(connection_, atoms_.at("CLIPBOARD")), nullptr);
    const bool owner = reply != nullptr && reply->owner == window_;
    std::free(reply);
    const std::lock_guard lock(mutex_);
    if (!owner || !offered_.text) {
        return std::nullopt;
    }
    return offered_;
}

// Asks the serving thread and waits for its answer; false also when it does not
// answer in time, which only the server's silence could cause.
bool ClipboardOwner::Call(Ask ask) {
    std::unique_lock lock(mutex_);
    asked_ = ask;
    const std::uint64_t id = ++asks_;
    [[maybe_unused]] const ssize_t written = write(wake_[1], "x", 1);
    const bool answered =
        answered_.wait_for(lock, ClipboardPort::kDeadline, [&] { return answeredAsk_ == id; });
    return answered && answer_;
}

void ClipboardOwner::FinishAsk(bool succeeded) {
    working_ = Ask::None;
    const std::lock_guard lock(mutex_);
    answeredAsk_ = workingAsk_;
    answer_ = succeeded;
    answered_.notify_all();
}

void ClipboardOwner::Serve() {
    for (;;) {
        while (xcb_generic_event_t* event = xcb_poll_for_event(connection_)) {
            Handle(event);
            std::free(event);
        }
        const bool broken = xcb_connection_has_error(connection_) != 0;
        {
            const std::lock_guard lock(mutex_);
            if (stop_) {
                return;
            }
        }
        TakeAsk();
        if (broken && working_ != Ask::None) {
            FinishAsk(false);
        }
        DropStaleTransfers();
        xcb_flush(connection_);

        int wait = -1;
        for (const auto& [key, transfer] : transfers_) {
            const auto left =
                std::chrono::ceil<std::chrono::milliseconds>(transfer.deadline - Clock::now());
            wait = std::max(0, wait < 0 ? static_cast<int>(left.count())
                                        : std::min(wait, static_cast<int>(left.count())));
        }
        pollfd waits[2] = {{xcb_get_file_descriptor(connection_), POLLIN, 0},
                           {wake_[0], POLLIN, 0}};
        // A broken connection is always readable: only the wake pipe is waited for.
        poll(broken ? waits + 1 : waits, broken ? 1 : 2, wait);
        char drained[64];
        while (read(wake_[0], drained, sizeof drained) > 0) {
        }
    }
}

// A new ask replaces one still under way: its caller has stopped waiting.
void ClipboardOwner::TakeAsk() {
    {
        const std::lock_guard lock(mutex_);
        if (asked_ == Ask::None) {
            return;
        }
        working_ = std::exchange(asked_, Ask::None);
        workingAsk_ = asks_;
    }
    if (working_ == Ask::Take) {
        // The server's time, for taking the selection as of now: from the
        // notice of an empty append to a property of the owner's own window.
        xcb_change_property(connection_, XCB_PROP_MODE_APPEND, window_,
                            atoms_.at("TEXTMEND_OWNER_TIME"), atoms_.at("INTEGER"), 32, 0, nullptr);
        return;
    }
    const bool owned = [this] {
        const std::lock_guard lock(mutex_);
        return offered_.text != nullptr && !offered_.secret;
    }();
    xcb_get_selection_owner_reply_t* manager = xcb_get_selection_owner_reply(
        connection_, xcb_get_selection_owner(connection_, atoms_.at("CLIPBOARD_MANAGER")), nullptr);
    const bool hasManager = manager != nullptr && manager->owner != XCB_NONE;
    std::free(manager);
    if (!owned || !owning_ || !hasManager) {
        FinishAsk(true);
        return;
    }
    xcb_convert_selection(connection_, window_, atoms_.at("CLIPBOARD_MANAGER"),
                          atoms_.at("SAVE_TARGETS"), XCB_NONE, since_);
}

void ClipboardOwner::Owned(xcb_timestamp_t time) {
    {
        const std::lock_guard lock(mutex_);
        serving_ = next_;
    }
    since_ = time;
    const xcb_atom_t clipboard = atoms_.at("CLIPBOARD");
    xcb_set_selection_owner(connection_, window_, clipboard, time);
    xcb_get_selection_owner_reply_t* reply = xcb_get_selection_owner_reply(
        connection_, xcb_get_selection_owner(connection_, clipboard), nullptr);
    owning_ = reply != nullptr && reply->owner == window_;
    std::free(reply);
    {
        const std::lock_guard lock(mutex_);
        offered_ = owning_ ? serving_ : OwnedText{};
    }
    FinishAsk(owning_);
}

void ClipboardOwner::Handle(xcb_generic_event_t* event) {
    switch (event->response_type & 0x7F) {
        case XCB_SELECTION_REQUEST:
            Answer(*reinterpret_cast<xcb_selection_request_event_t*>(event));
            break;
        case XCB_SELECTION_CLEAR: {
            const auto* clear = reinterpret_cast<xcb_selection_clear_event_t*>(event);
            if (clear->selection == atoms_.at("CLIPBOARD") && clear->time >= since_) {
                owning_ = false;
                serving_ = {};
                const std::lock_guard lock(mutex_);
                offered_ = {};
            }
            break;
        }
        case XCB_PROPERTY_NOTIFY: {
            const auto* notify = reinterpret_cast<xcb_property_notify_event_t*>(event);
            if (notify->window == window_) {
                if (notify->atom == atoms_.at("TEXTMEND_OWNER_TIME") && working_ == Ask::Take) {
                    Owned(notify->time);
                }
            } else if (notify->state == XCB_PROPERTY_DELETE) {
                SendNextPiece(notify->window, notify->atom);
            }
            break;
        }
        case XCB_SELECTION_NOTIFY: {
            const auto* notify = reinterpret_cast<xcb_selection_notify_event_t*>(event);
            if (notify->selection == atoms_.at("CLIPBOARD_MANAGER") && working_ == Ask::HandOver) {
                FinishAsk(true);
            }
            break;
        }
        default:
            break;  // errors: a requestor gone with its window, whose transfer runs out
    }
}

void ClipboardOwner::Answer(const xcb_selection_request_event_t& request) {
    // Obsolete requestors name no property: the target is the property.
    const xcb_atom_t property = request.property != XCB_NONE ? request.property : request.target;
    const xcb_atom_t target = request.target;
    const auto is = [&](const char* name) { return target == atoms_.at(name); };
    const bool current = request.time == XCB_CURRENT_TIME || request.time >= since_;
    if (!owning_ || request.selection != atoms_.at("CLIPBOARD") || !current || !serving_.text) {
        NotifyRequestor(connection_, request, XCB_NONE);
        return;
    }
    std::shared_ptr<const std::string> bytes;
    xcb_atom_t type = atoms_.at("UTF8_STRING");
    if (is("TARGETS")) {
        std::vector<xcb_atom_t> offered;
        for (const char* name : {"TARGETS", "TIMESTAMP", "UTF8_STRING", "text/plain;charset=utf-8",
                                 "STRING", "TEXT"}) {
            offered.push_back(atoms_.at(name));
        }
        offered.push_back(
            atoms_.at(serving_.secret ? "x-kde-passwordManagerHint" : "SAVE_TARGETS"));
        xcb_change_property(connection_, XCB_PROP_MODE_REPLACE, request.requestor, property,
                            XCB_ATOM_ATOM, 32, static_cast<std::uint32_t>(offered.size()),
                            offered.data());
    } else if (is("TIMESTAMP")) {
        xcb_change_property(connection_, XCB_PROP_MODE_REPLACE, request.requestor, property,
                            atoms_.at("INTEGER"), 32, 1, &since_);
    } else if (is("x-kde-passwordManagerHint") && serving_.secret) {
        xcb_change_property(connection_, XCB_PROP_MODE_REPLACE, request.requestor, property, target,
                            8, 6, "secret");
    } else if (is("UTF8_STRING") || is("text/plain;charset=utf-8") || is("TEXT")) {
        bytes = serving_.text;
        type = is("TEXT") ? type : target;
    } else if (is("STRING")) {
        bytes = std::make_shared<const std::string>(Utf8ToLatin1(*serving_.text));
        type = target;
    } else {
        NotifyRequestor(connection_, request, XCB_NONE);
        return;
    }
    if (bytes && bytes->size() > pieceSize_) {
        const auto size = static_cast<std::uint32_t>(bytes->size());
        // Selected before the reply, so that no deletion of the property goes unseen.
        const std::uint32_t events = XCB_EVENT_MASK_PROPERTY_CHANGE;
        xcb_change_window_attributes(connection_, request.requestor, XCB_CW_EVENT_MASK, &events);
        xcb_change_property(connection_, XCB_PROP_MODE_REPLACE, request.requestor, property,
                            atoms_.at("INCR"), 32, 1, &size);
        transfers_[{request.requestor, property}] = {bytes, type, 0,
                                                     Clock::now() + ClipboardPort::kDeadline};
    } else if (bytes) {
        xcb_change_property(connection_, XCB_PROP_MODE_REPLACE, request.requestor, property, type,
                            8, static_cast<std::uint32_t>(bytes->size()), bytes->data());
    }
    NotifyRequestor(connection_, request, property);
}

// The requestor deleted the last piece: the next one, and after the last an
// empty one, which ends the transfer.
void ClipboardOwner::SendNextPiece(xcb_window_t window, xcb_atom_t property) {
    const auto found = transfers_.find({window, property});
    if (found == transfers_.end()) {
        return;
    }
    Transfer& transfer = found->second;
    const std::size_t size = std::min(pieceSize_, transfer.bytes->size() - transfer.sent);
    xcb_change_property(connection_, XCB_PROP_MODE_REPLACE, window, property, transfer.type, 8,
                        static_cast<std::uint32_t>(size), transfer.bytes->data() + transfer.sent);
    transfer.sent += size;
    transfer.deadline = Clock::now() + ClipboardPort::kDeadline;
    if (size == 0) {
        transfers_.erase(found);
        const bool more = std::any_of(transfers_.begin(), transfers_.end(), [&](const auto& other) {
            return other.first.first == window;
        });
        if (!more) {
            const std::uint32_t none = XCB_EVENT_MASK_NO_EVENT;
            xcb_change_window_attributes(connection_, window, XCB_CW_EVENT_MASK, &none);
        }
    }
}

// A requestor that stopped taking pieces (or went away) is given up.
void ClipboardOwner::DropStaleTransfers() {
    const auto now = Clock::now();
    std::erase_if(transfers_, [&](const auto& entry) { return entry.second.deadline <= now; });
}

}  // namespace textmend
