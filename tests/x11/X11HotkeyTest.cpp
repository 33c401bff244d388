// The hotkey's grab and the paste typed through XTEST, on a private X server.

#include <X11/keysym.h>
#include <gtest/gtest.h>

#include <cstdlib>

#include "x11/X11Hotkey.h"
#include "x11/X11Keyboard.h"
#include "x11/XTestKeys.h"
#include "x11/XcbKeymap.h"

namespace textmend {
namespace {

class Connection {
  public:
    Connection() : connection_(xcb_connect(nullptr, nullptr)) {}
    ~Connection() { xcb_disconnect(connection_); }
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    xcb_connection_t* get() const { return connection_; }
    XcbDisplay Display() const { return DisplayOf(connection_); }
    // Waits for the server, then hands every event queued to hotkey.
    void Deliver(X11Hotkey& hotkey) const {
        std::free(
            xcb_get_input_focus_reply(connection_, xcb_get_input_focus(connection_), nullptr));
        while (xcb_generic_event_t* event = xcb_poll_for_event(connection_)) {
            hotkey.Take(*event);
            std::free(event);
        }
    }
    // Types keysyms as another program would: each pressed in order, released
    // in reverse.
    void Type(std::initializer_list<std::uint32_t> keysyms) const {
        const XcbKeymap keymap(connection_);
        std::vector<KeyStroke> strokes;
        for (std::uint32_t keysym : keysyms) {
            const xcb_keycode_t key = keymap.KeyOf(keysym).value();
            strokes.insert(strokes.begin() + static_cast<std::ptrdiff_t>(strokes.size() / 2),
                           {{XCB_KEY_PRESS, key}, {XCB_KEY_RELEASE, key}});
        }
        TypeKeys(connection_, strokes, "the test's keys");
    }

  private:
    xcb_connection_t* connection_;
};

struct Grabbed {
    Connection program;
    Connection user;
    int presses = 0;
    X11Hotkey hotkey{[this] { return program.Display(); }, [this] { ++presses; }};
    X11Keyboard keyboard{[this] { return program.Display(); },
                         [this](TypedSequences typed) { hotkey.IgnorePressesOf(typed); }};
};

// Ctrl+V held as the hotkey (a setting written by hand) catches the paste's own
// keys; taken as a press they would start another paste, and so on forever.
TEST(X11Hotkey, ThePastesOwnKeysAreNoPressButTheUsersAre) {
    Grabbed g;
    ASSERT_EQ(g.hotkey.Register(Hotkey{.ctrl = true, .key = "V"}), HotkeyPort::Grab::Held);
    g.keyboard.Paste(0);
    g.program.Deliver(g.hotkey);
    EXPECT_EQ(g.presses, 0);
    g.user.Type({XK_Control_L, XK_v});
    g.program.Deliver(g.hotkey);
    EXPECT_EQ(g.presses, 1);
}

TEST(X11Hotkey, ReleasingTheModifiersLetsGoOfThemAndOfTheHotkeysKey) {
    Grabbed g;
    ASSERT_EQ(g.hotkey.Register(Hotkey{.ctrl = true, .alt = true, .key = "V"}),
              HotkeyPort::Grab::Held);
    EXPECT_FALSE(g.hotkey.ModifiersDown());
    const XcbKeymap keymap(g.user.get());
    for (std::uint32_t keysym : {XK_Alt_L, XK_v}) {
        const KeyStroke press{XCB_KEY_PRESS, keymap.KeyOf(keysym).value()};
        TypeKeys(g.user.get(), {&press, 1}, "the held key");
        EXPECT_TRUE(g.hotkey.ModifiersDown()) << keysym;
        g.hotkey.ReleaseModifiers();
        EXPECT_FALSE(g.hotkey.ModifiersDown()) << keysym;
    }
}

}  // namespace
}  // namespace textmend
