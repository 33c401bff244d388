#pragma once

#include <string>

#include "x11/XcbDisplay.h"

namespace textmend {

// The X11 display the program's windows are on, reached through Qt's own
// connection, so that the events of the program's key grabs arrive among Qt's
// events. Throws a StepError when the program runs on no X11 display (a
// Wayland session forced by QT_QPA_PLATFORM, the offscreen platform).
XcbDisplay ProgramDisplay();

// The name of that display as the toolkit opened it (its -display argument, or
// $DISPLAY), for connections of the program's own to reach the same desktop.
// Empty when the program runs on no X11 display.
std::string ProgramDisplayName();

}  // namespace textmend
