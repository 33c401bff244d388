// The hotkey's grab and the paste typed through XTEST, on a private X server.

#include <X11/keysym.h>
#include <gtest/gtest.h>

#include <cstdlib>

#include "x11/X11Hotkey.h"
#include "x11/X11Keyboard.h"
#include "x11/XTestKeys.h"
#include "x11/XcbKeymap.h"
#include "x11/XcbXkb.h"

namespace textmend {
namespace {

// Presses keys in order and releases them in reverse, as another program would.
void Press(xcb_connection_t* connection, std::initializer_list<xcb_keycode_t> keys) {
    std::vector<KeyStroke> strokes;
    for (xcb_keycode_t key : keys) {
        strokes.insert(strokes.begin() + static_cast<std::ptrdiff_t>(strokes.size() / 2),
                       {{XCB_KEY_PRESS, key}, {XCB_KEY_RELEASE, key}});
    }
    TypeKeys(connection, strokes, "the test's keys");
}

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
    const XcbKeymap keymap(g.user.get());
    Press(g.user.get(), {keymap.KeyOf(XK_Control_L).value(), keymap.KeyOf(XK_v).value()});
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

// Two layouts, US and US Dvorak, the keyboard in the first; Dvorak puts V on the
// key that types the full stop in US.
struct TwoLayouts : Grabbed {
    TwoLayouts() {
        EXPECT_EQ(std::system("setxkbmap -layout us,us -variant ,dvorak"), 0);
        SwitchTo(XCB_XKB_GROUP_1);
        program.Deliver(hotkey);
        const XcbKeymap us(user.get());
        usV = us.KeyOf(XK_v).value();
        fullStop = us.KeyOf(XK_period).value();
    }
    ~TwoLayouts() { EXPECT_EQ(std::system("setxkbmap -layout us"), 0); }
    TwoLayouts(const TwoLayouts&) = delete;
    TwoLayouts& operator=(const TwoLayouts&) = delete;
    void SwitchTo(std::uint8_t group) const {
        std::free(xcb_xkb_use_extension_reply(user.get(), xcb_xkb_use_extension(user.get(), 1, 0),
                                              nullptr));
        std::free(xcb_request_check(
            user.get(), xcb_xkb_latch_lock_state_checked(user.get(), XCB_XKB_ID_USE_CORE_KBD, 0, 0,
                                                         1, group, 0, 0, 0)));
    }
    void SwitchToDvorak() const { SwitchTo(XCB_XKB_GROUP_2); }
    xcb_keycode_t usV = 0;
    xcb_keycode_t fullStop = 0;
};

TEST(X11HotkeyLayouts, KeysComeFromTheLayoutInUse) {
    TwoLayouts t;
    ASSERT_NE(t.usV, t.fullStop);
    t.SwitchToDvorak();
    EXPECT_EQ(XcbKeymap(t.user.get()).KeyOf(XK_v), t.fullStop);
}

TEST(X11HotkeyLayouts, TheGrabFollowsASwitchOfLayout) {
    TwoLayouts t;
    ASSERT_EQ(t.hotkey.Register(Hotkey{.ctrl = true, .alt = true, .key = "V"}),
              HotkeyPort::Grab::Held);
    t.SwitchToDvorak();
    t.program.Deliver(t.hotkey);
    const XcbKeymap keymap(t.user.get());
    const xcb_keycode_t ctrl = keymap.KeyOf(XK_Control_L).value();
    const xcb_keycode_t alt = keymap.KeyOf(XK_Alt_L).value();
    Press(t.user.get(), {ctrl, alt, t.usV});
    t.program.Deliver(t.hotkey);
    EXPECT_EQ(t.presses, 0) << "the key gives K in Dvorak";
    Press(t.user.get(), {ctrl, alt, t.fullStop});
    t.program.Deliver(t.hotkey);
    EXPECT_EQ(t.presses, 1);
}

TEST(X11HotkeyLayouts, ThePasteTypesTheKeyThatGivesVInTheLayoutInUse) {
    TwoLayouts t;
    t.SwitchToDvorak();
    xcb_connection_t* user = t.user.get();
    const XcbDisplay display = t.user.Display();
    const xcb_window_t window = xcb_generate_id(user);
    const std::uint32_t events = XCB_EVENT_MASK_KEY_PRESS;
    xcb_create_window(user, XCB_COPY_FROM_PARENT, window, display.root, 0, 0, 10, 10, 0,
                      XCB_WINDOW_CLASS_INPUT_OUTPUT, XCB_COPY_FROM_PARENT, XCB_CW_EVENT_MASK,
                      &events);
    xcb_map_window(user, window);
    std::free(xcb_get_input_focus_reply(user, xcb_get_input_focus(user), nullptr));
    t.keyboard.Paste(window);
    std::free(xcb_get_input_focus_reply(user, xcb_get_input_focus(user), nullptr));
    std::vector<xcb_keycode_t> pressed;
    while (xcb_generic_event_t* event = xcb_poll_for_event(user)) {
        if ((event->response_type & 0x7F) == XCB_KEY_PRESS) {
            pressed.push_back(reinterpret_cast<xcb_key_press_event_t*>(event)->detail);
        }
        std::free(event);
    }
    ASSERT_EQ(pressed.size(), 2u);
    EXPECT_EQ(pressed[1], t.fullStop);
}

}  // namespace
}  // namespace textmend
