#include "qt/XcbDisplay.h"

#include <QGuiApplication>
#include <cerrno>
#include <cstdlib>

#include "engine/StepError.h"

namespace textmend {
namespace {

// The screen DISPLAY names (":0.1" is the second), where Qt opens its windows.
const xcb_screen_t& DisplayScreen(xcb_connection_t* connection) {
    int number = 0;
    char* host = nullptr;
    int display = 0;
    if (xcb_parse_display(nullptr, &host, &display, &number) != 0) {
        std::free(host);
    }
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(connection));
    for (; number > 0 && screens.rem > 1; --number) {
        xcb_screen_next(&screens);
    }
    return *screens.data;
}

}  // namespace

XcbDisplay ProgramDisplay() {
    const auto* x11 = qGuiApp != nullptr
                          ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>()
                          : nullptr;
    xcb_connection_t* connection = x11 != nullptr ? x11->connection() : nullptr;
    if (connection == nullptr) {
        throw StepError(ENOTSUP, "The hotkey needs an X11 desktop.");
    }
    return {connection, DisplayScreen(connection).root};
}

void ThrowXcbError(xcb_generic_error_t* error, const std::string& request) {
    const int code = error != nullptr ? error->error_code : 0;
    std::free(error);
    throw StepError(code,
                    "The X server refused " + request + " (X error " + std::to_string(code) + ").");
}

}  // namespace textmend
