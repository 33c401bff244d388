#pragma once

#include <string>

namespace textmend {

// The name of the X display the program's windows are on, as the toolkit opened
// it (its -display argument, or $DISPLAY), for connections of the program's own
// to reach the same desktop. Empty when the program runs on no X11 display.
std::string X11DisplayName();

}  // namespace textmend
