#pragma once

// Keys typed through the XTEST extension, as if on the keyboard.

#include <xcb/xcb.h>

#include <cstdint>
#include <span>
#include <string>

namespace textmend {

struct KeyStroke {
    std::uint8_t type;  // XCB_KEY_PRESS or XCB_KEY_RELEASE
    xcb_keycode_t key;
};

// The sequence numbers of the requests that typed some keys, first to last: the
// key events they caused carry these numbers (their low 16 bits).
struct TypedSequences {
    unsigned int first;
    unsigned int last;

    bool Contains(std::uint16_t sequence) const {
        return static_cast<std::uint16_t>(sequence - first) <=
               static_cast<std::uint16_t>(last - first);
    }
    // Whether an event with sequence came after all of them (within half the
    // numbers' range, as events arrive in order).
    bool Before(std::uint16_t sequence) const {
        const auto ahead = static_cast<std::uint16_t>(sequence - last);
        return ahead != 0 && ahead < 0x8000;
    }
};

// Sends strokes (at least one) in order and waits until the server has taken
// them all; the events they caused are queued by then. Throws
// StepError when the server has no XTEST or refuses one, naming what.
TypedSequences TypeKeys(xcb_connection_t* connection, std::span<const KeyStroke> strokes,
                        const std::string& what);

}  // namespace textmend
