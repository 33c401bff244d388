#pragma once

// The key box's combinations in the program's own words (settings/Hotkey.h):
// Qt's Ctrl, Alt, Shift and Meta modifiers are Ctrl, Alt, Shift and Win.

#include <QKeyCombination>
#include <optional>
#include <string>

#include "settings/Hotkey.h"

namespace textmend {

// The text of a combination pressed. A key without a name, or one of the
// keypad's, gives a text that names no combination, so the core turns it down.
std::string HotkeyTextOf(QKeyCombination combination);

// The combination to show for hotkey; nothing for a key Qt has no code for.
std::optional<QKeyCombination> KeyCombinationOf(const Hotkey& hotkey);

}  // namespace textmend
