#pragma once

// A combination in Win32's terms: the virtual key of each key name of
// settings/Hotkey.h, RegisterHotKey's modifiers, and the value of a hot key
// control (HKM_SETHOTKEY, HKM_GETHOTKEY).

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

#include "settings/Hotkey.h"

namespace textmend {

// The virtual key of one of the key names; nothing for any other name.
std::optional<BYTE> VirtualKeyOf(std::string_view keyName);

// RegisterHotKey's modifiers for the combination; a key held down does not repeat it.
UINT RegisterHotKeyModifiers(const Hotkey& hotkey);

// The hot key control's value for hotkey. The control has no Win modifier: it
// shows the rest of a combination with Win.
WORD HotkeyControlValue(const Hotkey& hotkey);

// The text of a hot key control's value: empty for none; a key without a name
// gives a text that names no combination, so the core turns it down.
std::string HotkeyControlText(WORD value);

}  // namespace textmend
