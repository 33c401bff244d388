#include "x11/XcbDisplay.h"

#include <cstdlib>

#include "engine/StepError.h"

namespace textmend {

XcbDisplay DisplayOf(xcb_connection_t* connection) {
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
    return {connection, screens.data->root};
}

void ThrowXcbError(xcb_generic_error_t* error, const std::string& request) {
    const int code = error != nullptr ? error->error_code : 0;
    std::free(error);
    throw StepError(code,
                    "The X server refused " + request + " (X error " + std::to_string(code) + ").");
}

}  // namespace textmend
