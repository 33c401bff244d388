// Reads of the CLIPBOARD selection from real owners on a private X server
// (with-xvfb.sh): xclip serving one target, and a client of the test's own that
// takes the selection and then never answers.

#include <gtest/gtest.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <fstream>

#include "x11/ClipboardSelection.h"

namespace textmend {
namespace {

using namespace std::chrono_literals;

ClipboardContent ReadWithin(std::chrono::milliseconds time, int stopFd = -1) {
    return ReadClipboardSelection("", SelectionConnection::Clock::now() + time, stopFd);
}

// xclip takes the selection of display ($DISPLAY when empty), then serves it
// from the background until another client takes it.
void CopyWithXclip(const std::string& bytes, const std::string& target,
                   const std::string& display = "") {
    const std::string file = "textmend-x11-copy.bin";
    std::ofstream(file, std::ios::binary) << bytes;
    const std::string xclip =
        "xclip -selection clipboard" + (display.empty() ? "" : " -display '" + display + "'");
    const std::string command = xclip + " -t '" + target + "' -i " + file + " >/dev/null 2>&1";
    ASSERT_EQ(std::system(command.c_str()), 0);
    std::remove(file.c_str());
    // xclip returns before its background half has taken the selection.
    const std::string offered = xclip + " -o -t TARGETS 2>/dev/null | grep -qxF '" + target + "'";
    for (int attempt = 0; attempt < 100 && std::system(offered.c_str()) != 0; ++attempt) {
        usleep(50'000);
    }
}

// A client that owns the selection (or clears it) and never reads a request.
class SilentClient {
  public:
    SilentClient() : connection_(xcb_connect(nullptr, nullptr)) {}
    ~SilentClient() { xcb_disconnect(connection_); }

    void SetClipboardOwner(bool owning) {
        xcb_window_t window = XCB_NONE;
        if (owning) {
            window = xcb_generate_id(connection_);
            const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data;
            xcb_create_window(connection_, XCB_COPY_FROM_PARENT, window, screen->root, 0, 0, 1, 1,
                              0, XCB_WINDOW_CLASS_INPUT_ONLY, XCB_COPY_FROM_PARENT, 0, nullptr);
        }
        xcb_intern_atom_reply_t* clipboard = xcb_intern_atom_reply(
            connection_, xcb_intern_atom(connection_, 0, 9, "CLIPBOARD"), nullptr);
        ASSERT_NE(clipboard, nullptr) << xcb_connection_has_error(connection_);
        xcb_set_selection_owner(connection_, window, clipboard->atom, XCB_CURRENT_TIME);
        std::free(clipboard);
        std::free(xcb_get_input_focus_reply(connection_, xcb_get_input_focus(connection_),
                                            nullptr));  // the server has done it
    }

  private:
    xcb_connection_t* connection_;
};

TEST(ReadClipboardSelection, ReadsTheTextOfEachTextTargetAndNothingElse) {
    std::string large;
    while (large.size() < 3'000'000) {  // more than xclip puts in one property
        large += "a line of a text large enough to come in pieces " + std::to_string(large.size()) +
                 "\n";
    }
    const struct {
        const char* what;
        std::string bytes;
        std::string target;
        bool hasText;
        std::string text;
    } cases[] = {
        {"UTF-8", "one\ntwo \xE2\x9C\x93", "UTF8_STRING", true, "one\ntwo \xE2\x9C\x93"},
        {"Latin-1", "caf\xE9", "STRING", true, "caf\xC3\xA9"},
        {"UTF-8 by its MIME type", "\xC3\xA9", "text/plain;charset=utf-8", true, "\xC3\xA9"},
        {"in pieces", large, "UTF8_STRING", true, large},
        {"a picture", "\x89PNG\r\n", "image/png", false, ""},
    };
    for (const auto& c : cases) {
        CopyWithXclip(c.bytes, c.target);
        const ClipboardContent content = ReadWithin(10s);
        EXPECT_EQ(content.hasText, c.hasText) << c.what;
        EXPECT_EQ(content.text == c.text, true) << c.what;
        EXPECT_FALSE(content.secret) << c.what;
    }
}

TEST(ReadClipboardSelection, ReadsTheDisplayItIsGivenWhateverDISPLAYSays) {
    const char* other = std::getenv("TEXTMEND_OTHER_DISPLAY");
    ASSERT_NE(other, nullptr) << "with-xvfb.sh starts a second display";
    CopyWithXclip("on DISPLAY", "UTF8_STRING");
    CopyWithXclip("on the other display", "UTF8_STRING", other);
    const ClipboardContent content =
        ReadClipboardSelection(other, SelectionConnection::Clock::now() + 10s);
    EXPECT_EQ(content.text, "on the other display");
}

TEST(ReadClipboardSelection, AClipboardWithoutOwnerHoldsNoText) {
    SilentClient client;
    client.SetClipboardOwner(false);
    const ClipboardContent content = ReadWithin(10s);
    EXPECT_FALSE(content.hasText);
}

TEST(ReadClipboardSelection, AnOwnerThatNeverAnswersCostsTheDeadlineAndATimeout) {
    SilentClient owner;
    owner.SetClipboardOwner(true);
    try {
        ReadWithin(300ms);
        ADD_FAILURE() << "a read from an owner that never answers succeeded";
    } catch (const StepError& error) {
        EXPECT_EQ(error.number(), ETIMEDOUT);
    }
}

TEST(ReadClipboardSelection, AReadCalledOffStopsWaitingAtOnce) {
    SilentClient owner;
    owner.SetClipboardOwner(true);
    int stop[2];
    ASSERT_EQ(pipe(stop), 0);
    ASSERT_EQ(write(stop[1], "x", 1), 1);
    EXPECT_THROW(ReadWithin(1h, stop[0]), TransferStopped);
    close(stop[0]);
    close(stop[1]);
}

}  // namespace
}  // namespace textmend
