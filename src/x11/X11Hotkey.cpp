#include "x11/X11Hotkey.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <memory>

#include "x11/X11Keys.h"
#include "x11/XTestKeys.h"
#include "x11/XcbKeymap.h"

namespace textmend {
namespace {

constexpr std::uint16_t kModifiers =
    XCB_MOD_MASK_SHIFT | XCB_MOD_MASK_CONTROL | XCB_MOD_MASK_1 | XCB_MOD_MASK_4;

bool IsDown(const xcb_query_keymap_reply_t& keymap, xcb_keycode_t key) {
    return (keymap.keys[key / 8] & (1u << (key % 8))) != 0;
}

}  // namespace

X11Hotkey::X11Hotkey(std::function<XcbDisplay()> display, std::function<void()> pressed)
    : display_(std::move(display)), pressed_(std::move(pressed)) {}

X11Hotkey::~X11Hotkey() {
    try {
        Unregister();
    } catch (const StepError&) {
        // The display has gone; so have the grabs.
    }
}

HotkeyPort::Grab X11Hotkey::Register(const Hotkey& hotkey) {
    Unregister();
    const XcbDisplay display = display_();
    const XcbKeymap keymap(display.connection);
    const std::optional<std::uint32_t> keysym = X11Keysym(hotkey.key);
    const std::optional<xcb_keycode_t> key = keysym ? keymap.KeyOf(*keysym) : std::nullopt;
    if (!key) {
        throw StepError(ENOENT, "The keyboard has no key " + hotkey.key + ".");
    }
    Held held{display.root, *key, X11ModifierMask(hotkey), keymap.NumLockMask(), {}};
    for (std::uint16_t state : WithLockStates(held.mask, held.numLockMask)) {
        // Reported to the root window, whichever window has the focus.
        const xcb_void_cookie_t cookie =
            xcb_grab_key_checked(display.connection, 0, display.root, state, *key,
                                 XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC);
        if (xcb_generic_error_t* error = xcb_request_check(display.connection, cookie)) {
            Release(held);
            if (error->error_code == XCB_ACCESS) {
                std::free(error);
                return Grab::InUse;
            }
            ThrowXcbError(error, "the key grab");
        }
        held.states.push_back(state);
    }
    held_ = std::move(held);
    return Grab::Held;
}

void X11Hotkey::Unregister() {
    if (held_) {
        const Held held = *held_;
        held_.reset();
        Release(held);
    }
}

void X11Hotkey::Release(const Held& held) {
    xcb_connection_t* connection = display_().connection;
    for (std::uint16_t state : held.states) {
        xcb_ungrab_key(connection, held.key, held.root, state);
    }
    xcb_flush(connection);
}

bool X11Hotkey::ModifiersDown() {
    return !KeysDown(display_().connection).empty();
}

// XTEST releases of the keys held; the server then takes them as up until they
// are pressed again. Releasing the hotkey's own key also ends the keyboard grab
// its press started, so the paste reaches the focused window.
void X11Hotkey::ReleaseModifiers() {
    xcb_connection_t* connection = display_().connection;
    std::vector<KeyStroke> releases;
    for (xcb_keycode_t key : KeysDown(connection)) {
        releases.push_back({XCB_KEY_RELEASE, key});
    }
    if (!releases.empty()) {
        TypeKeys(connection, releases, "the released keys");
    }
}

std::vector<xcb_keycode_t> X11Hotkey::KeysDown(xcb_connection_t* connection) {
    const XcbKeymap keymap(connection);
    std::vector<xcb_keycode_t> keys = keymap.ModifierKeys(kModifiers);
    if (held_) {
        keys.push_back(held_->key);
    }
    xcb_generic_error_t* error = nullptr;
    const std::unique_ptr<xcb_query_keymap_reply_t, decltype(&std::free)> down(
        xcb_query_keymap_reply(connection, xcb_query_keymap(connection), &error), &std::free);
    if (!down) {
        ThrowXcbError(error, "the keyboard's state");
    }
    std::erase_if(keys, [&](xcb_keycode_t key) { return !IsDown(*down, key); });
    return keys;
}

bool X11Hotkey::Take(const xcb_generic_event_t& event) {
    // The top bit marks an event another client sent.
    const auto type = static_cast<std::uint8_t>(event.response_type & 0x7F);
    if (ownTyping_ && type != XCB_KEYMAP_NOTIFY && ownTyping_->Before(event.sequence)) {
        ownTyping_.reset();
    }
    if (!held_ || type != XCB_KEY_PRESS) {
        return false;
    }
    const auto* press = reinterpret_cast<const xcb_key_press_event_t*>(&event);
    if (press->event != held_->root || press->detail != held_->key ||
        WithoutLocks(press->state, held_->numLockMask) != held_->mask) {
        return false;
    }
    if (!ownTyping_ || !ownTyping_->Contains(press->sequence)) {
        pressed_();
    }
    return true;
}

}  // namespace textmend
