#pragma once

// A key combination as the program stores and shows it: the modifiers in the
// order Ctrl, Alt, Shift, Win, then the key's name, joined by "+", such as
// "Ctrl+Alt+V". A combination needs Ctrl, Alt or Win: Shift alone would take
// a key away from ordinary typing.
//
// Key names: the letters A to Z, the digits 0 to 9, F1 to F24, and Space, Enter,
// Tab, Backspace, Insert, Delete, Home, End, PageUp, PageDown, Left, Up, Right,
// Down. Reading takes the names and modifiers in any letter case and the
// modifiers in any order; writing always gives the form above.

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace textmend {

struct Hotkey {
    bool ctrl = false;
    bool alt = false;
    bool shift = false;
    bool win = false;
    std::string key;  // one of the key names, as written

    friend bool operator==(const Hotkey&, const Hotkey&) = default;
};

// Every key name, in the written form.
std::span<const std::string_view> HotkeyKeyNames();

// What a key box writes for a key the program has no name for; no key is called
// that, so a combination with it never parses.
inline constexpr std::string_view kUnnamedKey = "?";

// The number of a function key's name in the written form ("F1" to "F24");
// nothing for any other name.
std::optional<int> FunctionKeyNumber(std::string_view keyName);

// The combination text names; nothing for a text that names none (an unknown
// key, no key, a repeated modifier, no Ctrl, Alt or Win).
std::optional<Hotkey> ParseHotkey(std::string_view text);

std::string HotkeyText(const Hotkey& hotkey);

// Whether the paste the hotkey sends types this combination itself (Ctrl+V):
// held as the hotkey, every paste would press it again. Shift+Insert, the other
// paste combination, has no Ctrl, Alt or Win and never parses.
bool TypedByPaste(const Hotkey& hotkey);

}  // namespace textmend
