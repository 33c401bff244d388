#include "x11/XTestKeys.h"

#include <xcb/xtest.h>

#include <cerrno>
#include <cstdlib>
#include <vector>

#include "engine/StepError.h"
#include "x11/XcbDisplay.h"

namespace textmend {

TypedSequences TypeKeys(xcb_connection_t* connection, std::span<const KeyStroke> strokes,
                        const std::string& what) {
    const xcb_query_extension_reply_t* xtest = xcb_get_extension_data(connection, &xcb_test_id);
    if (xtest == nullptr || xtest->present == 0) {
        throw StepError(ENOTSUP, "The X server types no keys for programs (no XTEST extension).");
    }
    std::vector<xcb_void_cookie_t> cookies;
    for (const KeyStroke& stroke : strokes) {
        cookies.push_back(xcb_test_fake_input_checked(connection, stroke.type, stroke.key,
                                                      XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0));
    }
    xcb_generic_error_t* refused = nullptr;
    for (const xcb_void_cookie_t& cookie : cookies) {
        xcb_generic_error_t* error = xcb_request_check(connection, cookie);
        if (refused == nullptr) {
            refused = error;
        } else {
            std::free(error);
        }
    }
    if (refused != nullptr) {
        ThrowXcbError(refused, what);
    }
    if (cookies.empty()) {
        return {0, 0};
    }
    return {cookies.front().sequence, cookies.back().sequence};
}

}  // namespace textmend
