#include "x11/X11Hotkey.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <memory>

#include "x11/X11Keys.h"
#include "x11/XTestKeys.h"
#include "x11/XcbKeymap.h"
#include "x11/XcbXkb.h"

namespace textmend {
namespace {

constexpr std::uint16_t kModifiers =
    XCB_MOD_MASK_SHIFT | XCB_MOD_MASK_CONTROL | XCB_MOD_MASK_1 | XCB_MOD_MASK_4;

bool IsDown(const xcb_query_keymap_reply_t& keymap, xcb_keycode_t key) {
    return (keymap.keys[key / 8] & (1u << (key % 8))) != 0;
}

// Asks for the XKB events that say the keys give other keysyms now: a switch of
// layout, a new keymap. Only these details are touched, so what else is asked
// for on the connection stays as it is.
std::uint8_t ListenForLayouts(xcb_connection_t* connection) {
    const xcb_query_extension_reply_t* xkb = xcb_get_extension_data(connection, &xcb_xkb_id);
    if (xkb == nullptr || xkb->present == 0) {
        return 0;
    }
    xcb_xkb_select_events_details_t details{};
    details.affectNewKeyboard = XCB_XKB_NKN_DETAIL_KEYCODES;
    details.newKeyboardDetails = XCB_XKB_NKN_DETAIL_KEYCODES;
    details.affectState = XCB_XKB_STATE_PART_GROUP_STATE;
    details.stateDetails = XCB_XKB_STATE_PART_GROUP_STATE;
    xcb_xkb_select_events_aux(connection, XCB_XKB_ID_USE_CORE_KBD,
                              XCB_XKB_EVENT_TYPE_NEW_KEYBOARD_NOTIFY |
                                  XCB_XKB_EVENT_TYPE_STATE_NOTIFY | XCB_XKB_EVENT_TYPE_MAP_NOTIFY,
                              0, 0, XCB_XKB_MAP_PART_KEY_SYMS, XCB_XKB_MAP_PART_KEY_SYMS, &details);
    return xkb->first_event;
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
    xkbEvent_ = ListenForLayouts(display.connection);
    Held held{hotkey, display.root, *key, X11ModifierMask(hotkey), keymap.NumLockMask(), {}};
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

bool X11Hotkey::KeysChanged(const xcb_generic_event_t& event) const {
    const auto type = static_cast<std::uint8_t>(event.response_type & 0x7F);
    if (type == XCB_MAPPING_NOTIFY) {
        return reinterpret_cast<const xcb_mapping_notify_event_t&>(event).request ==
               XCB_MAPPING_KEYBOARD;
    }
    if (xkbEvent_ == 0 || type != xkbEvent_) {
        return false;
    }
    switch (reinterpret_cast<const xcb_xkb_state_notify_event_t&>(event).xkbType) {
        case XCB_XKB_NEW_KEYBOARD_NOTIFY:
        case XCB_XKB_MAP_NOTIFY:
            return true;
        case XCB_XKB_STATE_NOTIFY:
            return (reinterpret_cast<const xcb_xkb_state_notify_event_t&>(event).changed &
                    XCB_XKB_STATE_PART_GROUP_STATE) != 0;
        default:
            return false;
    }
}

// The grab moves only when the combination's key is another key now.
void X11Hotkey::Renew() {
    const Hotkey hotkey = held_->hotkey;
    try {
        const XcbKeymap keymap(display_().connection);
        const std::optional<std::uint32_t> keysym = X11Keysym(hotkey.key);
        if (keysym && keymap.KeyOf(*keysym) == held_->key) {
            return;
        }
        Register(hotkey);
    } catch (const StepError&) {
        held_.reset();  // this keymap has no such key; none is held
    }
}

bool X11Hotkey::Take(const xcb_generic_event_t& event) {
    // The top bit marks an event another client sent.
    const auto type = static_cast<std::uint8_t>(event.response_type & 0x7F);
    if (ownTyping_ && type != XCB_KEYMAP_NOTIFY && ownTyping_->Before(event.sequence)) {
        ownTyping_.reset();
    }
    if (held_ && KeysChanged(event)) {
        Renew();
        return false;
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
