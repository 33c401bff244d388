#pragma once

// The keyboard the program types its paste with: two keys and nothing else.

#include <cstdint>
#include <string_view>

namespace textmend {

// Linux input key codes, as the virtual keyboard sends them (xkb's are 8 more).
inline constexpr std::uint32_t kKeyLeftCtrl = 29;
inline constexpr std::uint32_t kKeyV = 47;
// Control is xkb's third real modifier.
inline constexpr std::uint32_t kControlMask = 1u << 2;

// The keymap in xkb's text format, whole in itself (no includes to resolve).
std::string_view PasteKeymap();

}  // namespace textmend
