#pragma once

// A combination in the X server's terms: the keysym of each key name of
// settings/Hotkey.h and the modifier masks of its modifiers. Win is the Super
// key, which X11 desktops put on Mod4.

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "settings/Hotkey.h"

namespace textmend {

// The keysym of one of the key names; nothing for any other name.
std::optional<std::uint32_t> X11Keysym(std::string_view keyName);

// The modifier mask of exactly the combination's modifiers.
std::uint16_t X11ModifierMask(const Hotkey& hotkey);

// A key grab matches one modifier state exactly, so the combination is held
// once for every state of Caps Lock and Num Lock: the masks to grab, each once.
// numLockMask is the modifier Num Lock is on, 0 when the keyboard has none.
std::vector<std::uint16_t> WithLockStates(std::uint16_t mask, std::uint16_t numLockMask);

// A key event's state as the combination's mask: the pointer buttons and the
// lock modifiers left out.
std::uint16_t WithoutLocks(std::uint16_t state, std::uint16_t numLockMask);

}  // namespace textmend
