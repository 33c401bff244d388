#pragma once

// The X11 display the program's windows are on, reached through Qt's own
// connection, so that the events of the program's key grabs arrive among
// Qt's events.

#include <xcb/xcb.h>

#include <string>

namespace textmend {

struct XcbDisplay {
    xcb_connection_t* connection;
    xcb_window_t root;
};

// Throws a StepError when the program runs on no X11 display (a Wayland
// session forced by QT_QPA_PLATFORM, the offscreen platform).
XcbDisplay ProgramDisplay();

// Throws a StepError for error, which it frees, naming the request refused.
[[noreturn]] void ThrowXcbError(xcb_generic_error_t* error, const std::string& request);

}  // namespace textmend
