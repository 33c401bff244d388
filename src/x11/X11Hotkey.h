#pragma once

#include <xcb/xcb.h>

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "ports/HotkeyPort.h"
#include "x11/XTestKeys.h"
#include "x11/XcbDisplay.h"

namespace textmend {

// The clean-and-paste hotkey on the X11 desktop: a key grab on the root window,
// held once for every state of Caps Lock and Num Lock, on the key that gives the
// combination's key in the layout in use. The grab's presses come as events on
// the display's connection; whoever reads them hands them to Take, and with
// them the news of a switch of layout or a new keymap, on which the grab moves
// to the key that gives it now (when another program holds that key, the
// hotkey is not held until the next change).
class X11Hotkey : public HotkeyPort {
  public:
    // display is asked for at each use; it throws a StepError where there is none.
    X11Hotkey(std::function<XcbDisplay()> display, std::function<void()> pressed);
    ~X11Hotkey() override;
    X11Hotkey(const X11Hotkey&) = delete;
    X11Hotkey& operator=(const X11Hotkey&) = delete;

    Grab Register(const Hotkey& hotkey) override;
    void Unregister() override;
    // The hotkey's own key counts too: while it is down the grab holds the whole
    // keyboard, and a paste typed then would come back to this program.
    bool ModifiersDown() override;
    void ReleaseModifiers() override;

    // Hands a press of the held combination to pressed; false for any other event.
    // A change of layout or keymap renews the grab and is left to others too.
    // A press caused by the program's own typing is taken and dropped.
    bool Take(const xcb_generic_event_t& event);
    // The program typed keys with these requests: a press among them is not the
    // user's, whatever combination it makes.
    void IgnorePressesOf(TypedSequences typed) { ownTyping_ = typed; }

  private:
    struct Held {
        Hotkey hotkey;
        std::uint32_t root;
        std::uint8_t key;
        std::uint16_t mask;
        std::uint16_t numLockMask;
        std::vector<std::uint16_t> states;  // the modifier states grabbed
    };
    void Release(const Held& held);
    // Whether event says the keys may give other keysyms now.
    bool KeysChanged(const xcb_generic_event_t& event) const;
    void Renew();
    // The modifier keys and the hotkey's own key that are down now.
    std::vector<xcb_keycode_t> KeysDown(xcb_connection_t* connection);

    std::function<XcbDisplay()> display_;
    std::function<void()> pressed_;
    std::optional<Held> held_;
    std::uint8_t xkbEvent_ = 0;  // the XKB extension's event code; 0 without
    std::optional<TypedSequences> ownTyping_;
};

}  // namespace textmend
