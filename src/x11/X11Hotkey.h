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
// held once for every state of Caps Lock and Num Lock. The grab's presses come
// as events on the display's connection; whoever reads them hands them to Take.
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
    // A press caused by the program's own typing is taken and dropped.
    bool Take(const xcb_generic_event_t& event);
    // The program typed keys with these requests: a press among them is not the
    // user's, whatever combination it makes.
    void IgnorePressesOf(TypedSequences typed) { ownTyping_ = typed; }

  private:
    struct Held {
        std::uint32_t root;
        std::uint8_t key;
        std::uint16_t mask;
        std::uint16_t numLockMask;
        std::vector<std::uint16_t> states;  // the modifier states grabbed
    };
    void Release(const Held& held);
    // The modifier keys and the hotkey's own key that are down now.
    std::vector<xcb_keycode_t> KeysDown(xcb_connection_t* connection);

    std::function<XcbDisplay()> display_;
    std::function<void()> pressed_;
    std::optional<Held> held_;
    std::optional<TypedSequences> ownTyping_;
};

}  // namespace textmend
