// The program's own text on the CLIPBOARD selection, read back by the program's
// own reader and by xclip as other programs would (with-xvfb.sh).

#include <gtest/gtest.h>
#include <poll.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "x11/ClipboardOwner.h"
#include "x11/ClipboardSelection.h"

namespace textmend {
namespace {

using namespace std::chrono_literals;

SelectionConnection::Clock::time_point Soon() {
    return SelectionConnection::Clock::now() + 10s;
}

// The names of the targets the clipboard's owner offers.
std::vector<std::string> OfferedTargets() {
    SelectionConnection x("", Soon(), -1);
    const std::vector<xcb_atom_t> atoms = x.Atoms({"CLIPBOARD", "TARGETS"});
    const std::optional<SelectionData> list = x.Convert(atoms[0], atoms[1]);
    std::vector<std::string> names;
    if (!list || list->format != 32) {
        return names;
    }
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    for (std::size_t at = 0; at + 4 <= list->bytes.size(); at += 4) {
        xcb_atom_t atom = 0;
        std::memcpy(&atom, list->bytes.data() + at, 4);
        xcb_get_atom_name_reply_t* name =
            xcb_get_atom_name_reply(connection, xcb_get_atom_name(connection, atom), nullptr);
        if (name != nullptr) {
            names.emplace_back(xcb_get_atom_name_name(name), xcb_get_atom_name_name_length(name));
            std::free(name);
        }
    }
    xcb_disconnect(connection);
    return names;
}

std::string XclipOutput(const std::string& target) {
    const std::string command = "xclip -selection clipboard -o -t '" + target + "'";
    std::FILE* pipe = popen(command.c_str(), "r");
    std::string bytes;
    char buffer[65536];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) {
        bytes.append(buffer, n);
    }
    pclose(pipe);
    return bytes;
}

bool Has(const std::vector<std::string>& names, const std::string& name) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

// A clipboard manager: owns CLIPBOARD_MANAGER and, asked to save the clipboard
// (SAVE_TARGETS), reads it before it answers, as the owner's last act.
class FakeClipboardManager {
  public:
    FakeClipboardManager() : connection_(xcb_connect(nullptr, nullptr)) {
        const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data;
        window_ = xcb_generate_id(connection_);
        xcb_create_window(connection_, XCB_COPY_FROM_PARENT, window_, screen->root, 0, 0, 1, 1, 0,
                          XCB_WINDOW_CLASS_INPUT_ONLY, XCB_COPY_FROM_PARENT, 0, nullptr);
        SelectionConnection atoms("", Soon(), -1);
        const std::vector<xcb_atom_t> names = atoms.Atoms({"CLIPBOARD_MANAGER", "SAVE_TARGETS"});
        saveTargets_ = names[1];
        xcb_set_selection_owner(connection_, window_, names[0], XCB_CURRENT_TIME);
        std::free(
            xcb_get_input_focus_reply(connection_, xcb_get_input_focus(connection_), nullptr));
        thread_ = std::thread([this] { Serve(); });
    }
    ~FakeClipboardManager() {
        thread_.join();
        xcb_disconnect(connection_);
    }

    // What it saved, asked once the owner has gone; nothing when it was never asked.
    std::optional<std::string> Saved() {
        stop_ = true;
        thread_.join();
        thread_ = std::thread([] {});
        return saved_;
    }

  private:
    void Serve() {
        for (const auto end = Soon(); !stop_ && SelectionConnection::Clock::now() < end;) {
            pollfd wait = {xcb_get_file_descriptor(connection_), POLLIN, 0};
            poll(&wait, 1, 100);
            while (xcb_generic_event_t* event = xcb_poll_for_event(connection_)) {
                const bool asked = (event->response_type & 0x7F) == XCB_SELECTION_REQUEST;
                xcb_selection_request_event_t request{};
                if (asked) {
                    request = *reinterpret_cast<xcb_selection_request_event_t*>(event);
                }
                std::free(event);
                if (asked && request.target == saveTargets_) {
                    saved_ = ReadClipboardSelection("", Soon()).text;
                    NotifyRequestor(connection_, request, request.property);
                    xcb_flush(connection_);
                    return;
                }
            }
        }
    }

    xcb_connection_t* connection_;
    xcb_window_t window_ = XCB_NONE;
    xcb_atom_t saveTargets_ = XCB_NONE;
    std::optional<std::string> saved_;
    std::atomic<bool> stop_ = false;
    std::thread thread_;
};

TEST(ClipboardOwner, OffersTheTextWithTheMarkOnlyWhenSecret) {
    std::string large;
    while (large.size() < 5'000'000) {  // more than one property takes
        large += "a line of a large text, number " + std::to_string(large.size()) + "\n";
    }
    const struct {
        const char* what;
        std::string text;
        bool secret;
    } cases[] = {
        {"plain", "one\ntwo \xE2\x9C\x93", false},
        {"secret", "hunter2", true},
        {"large, in pieces", large, false},
        {"large and secret", large, true},
    };
    ClipboardOwner owner("");
    for (const auto& c : cases) {
        owner.Offer(c.text, c.secret);
        const ClipboardContent read = ReadClipboardSelection("", Soon());
        EXPECT_TRUE(read.hasText) << c.what;
        EXPECT_TRUE(read.text == c.text) << c.what;
        EXPECT_EQ(read.secret, c.secret) << c.what;
        EXPECT_TRUE(XclipOutput("UTF8_STRING") == c.text) << c.what;
        const std::vector<std::string> targets = OfferedTargets();
        EXPECT_EQ(Has(targets, "x-kde-passwordManagerHint"), c.secret) << c.what;
        // Clipboard managers save what offers SAVE_TARGETS; a secret must not.
        EXPECT_EQ(Has(targets, "SAVE_TARGETS"), !c.secret) << c.what;
        const std::optional<OwnedText> offered = owner.Offered();
        ASSERT_TRUE(offered.has_value()) << c.what;
        EXPECT_EQ(offered->secret, c.secret) << c.what;
    }
}

TEST(ClipboardOwner, GivesStringAsLatin1AndTextAsUtf8) {
    ClipboardOwner owner("");
    owner.Offer("caf\xC3\xA9 \xE2\x82\xAC", false);
    EXPECT_EQ(XclipOutput("STRING"), "caf\xE9 ?");
    EXPECT_EQ(XclipOutput("TEXT"), "caf\xC3\xA9 \xE2\x82\xAC");
    EXPECT_EQ(XclipOutput("text/plain;charset=utf-8"), "caf\xC3\xA9 \xE2\x82\xAC");
}

TEST(ClipboardOwner, HandsOnlyATextThatIsNotSecretToTheClipboardManagerAtTheEnd) {
    for (const bool secret : {false, true}) {
        FakeClipboardManager manager;
        {
            ClipboardOwner owner("");
            owner.Offer("kept after the end", secret);
        }
        const std::optional<std::string> saved = manager.Saved();
        if (secret) {
            EXPECT_FALSE(saved.has_value());
        } else {
            EXPECT_EQ(saved, "kept after the end");
        }
    }
}

TEST(ClipboardOwner, GivesTheTextUpWhenAnotherClientTakesTheClipboard) {
    ClipboardOwner owner("");
    owner.Offer("mine", false);
    ASSERT_TRUE(owner.Offered().has_value());
    ASSERT_EQ(std::system("printf theirs | xclip -selection clipboard -i"), 0);
    for (int attempt = 0; attempt < 100 && XclipOutput("UTF8_STRING") != "theirs"; ++attempt) {
        usleep(50'000);
    }
    EXPECT_FALSE(owner.Offered().has_value());
    EXPECT_EQ(ReadClipboardSelection("", Soon()).text, "theirs");
}

}  // namespace
}  // namespace textmend
