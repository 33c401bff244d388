#pragma once

// An X11 display as the program's key grabs and typed keys use it: a
// connection and the root window of the screen the program's windows are on.

#include <xcb/xcb.h>

#include <string>

namespace textmend {

struct XcbDisplay {
    xcb_connection_t* connection;
    xcb_window_t root;
};

// connection with the root window of the screen DISPLAY names (":0.1" is the
// second), where the program opens its windows.
XcbDisplay DisplayOf(xcb_connection_t* connection);

// Throws a StepError for error, which it frees, naming the request refused.
[[noreturn]] void ThrowXcbError(xcb_generic_error_t* error, const std::string& request);

}  // namespace textmend
