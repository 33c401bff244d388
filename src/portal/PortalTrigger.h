#pragma once

#include <string>

#include "settings/Hotkey.h"

namespace textmend {

// The combination in the desktops' shortcut notation, as the portal takes a
// preferred trigger: the modifiers CTRL, ALT, SHIFT and LOGO, then the key's
// symbol on the keyboard's base level ("CTRL+ALT+v", "LOGO+Page_Up").
std::string PreferredTrigger(const Hotkey& hotkey);

}  // namespace textmend
