#pragma once

// The program's own text on the CLIPBOARD selection, served from a thread and an
// X connection of its own, so that other programs read it while the window's
// thread is busy (with a large text box, say).

#include <xcb/xcb.h>

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <utility>

namespace textmend {

// A text on offer: UTF-8 with the desktop's LF line breaks.
struct OwnedText {
    std::shared_ptr<const std::string> text;
    // Offered with the password managers' mark ("secret") and without
    // SAVE_TARGETS, so that clipboard histories and managers keep none of it.
    bool secret = false;
};

// Owns CLIPBOARD on display ($DISPLAY when empty) with the text last offered and
// answers TARGETS, TIMESTAMP, the text targets (UTF8_STRING,
// text/plain;charset=utf-8, TEXT as UTF-8, STRING as Latin-1) and, for a secret
// text, the mark; a text too large for one property goes by INCR. It gives up
// the text when another client takes the selection.
class ClipboardOwner {
  public:
    // Connects and starts serving; failures are thrown as StepError.
    explicit ClipboardOwner(const std::string& display);
    // A text that is not secret and still owned is handed to the clipboard
    // manager first, when there is one, as the toolkit does at exit (the wait
    // bounded by the transfer deadline).
    ~ClipboardOwner();
    ClipboardOwner(const ClipboardOwner&) = delete;
    ClipboardOwner& operator=(const ClipboardOwner&) = delete;

    // Takes the selection with text at once (no moment without an owner) and
    // returns once the server names this owner; throws StepError when it does
    // not, or does not answer within the transfer deadline.
    void Offer(std::string text, bool secret);
    // What is on offer, when the server still names this owner.
    std::optional<OwnedText> Offered();

  private:
    // An INCR transfer under way to one requestor's property.
    struct Transfer {
        std::shared_ptr<const std::string> bytes;
        xcb_atom_t type = XCB_NONE;
        std::size_t sent = 0;
        std::chrono::steady_clock::time_point deadline;
    };
    enum class Ask : std::uint8_t { None, Take, HandOver };

    void Serve();
    void Handle(xcb_generic_event_t* event);
    void Answer(const xcb_selection_request_event_t& request);
    void SendNextPiece(xcb_window_t window, xcb_atom_t property);
    void TakeAsk();
    void Owned(xcb_timestamp_t time);
    void FinishAsk(bool succeeded);
    bool Call(Ask ask);
    void DropStaleTransfers();

    xcb_connection_t* connection_ = nullptr;
    xcb_window_t window_ = XCB_NONE;
    std::map<std::string, xcb_atom_t, std::less<>> atoms_;
    std::size_t pieceSize_ = 0;
    int wake_[2] = {-1, -1};

    // Shared between the caller and the serving thread.
    std::mutex mutex_;
    std::condition_variable answered_;
    Ask asked_ = Ask::None;
    std::uint64_t asks_ = 0;         // the asks made
    std::uint64_t answeredAsk_ = 0;  // the last ask answered
    bool answer_ = false;
    bool stop_ = false;
    OwnedText next_;
    OwnedText offered_;

    // The serving thread's alone.
    Ask working_ = Ask::None;
    std::uint64_t workingAsk_ = 0;
    OwnedText serving_;
    xcb_timestamp_t since_ = XCB_CURRENT_TIME;
    bool owning_ = false;
    std::map<std::pair<xcb_window_t, xcb_atom_t>, Transfer> transfers_;
    std::thread thread_;
};

}  // namespace textmend
