#include "x11/X11Keyboard.h"

#include <X11/keysym.h>

#include <cerrno>
#include <cstdlib>
#include <memory>

#include "x11/XcbKeymap.h"

namespace textmend {
namespace {

// What the input focus is when it follows the pointer rather than a window.
constexpr xcb_window_t kPointerRoot = XCB_INPUT_FOCUS_POINTER_ROOT;

xcb_window_t InputFocus(xcb_connection_t* connection) {
    xcb_generic_error_t* error = nullptr;
    const std::unique_ptr<xcb_get_input_focus_reply_t, decltype(&std::free)> focus(
        xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), &error), &std::free);
    if (!focus) {
        ThrowXcbError(error, "the input focus");
    }
    return focus->focus;
}

}  // namespace

std::uintptr_t X11Keyboard::FocusedWindow() {
    return InputFocus(display_().connection);
}

void X11Keyboard::Paste(std::uintptr_t window) {
    xcb_connection_t* connection = display_().connection;
    const auto target = static_cast<xcb_window_t>(window);
    if (target > kPointerRoot && InputFocus(connection) != target) {
        // A window that has gone meanwhile keeps the focus where it is now.
        std::free(xcb_request_check(
            connection, xcb_set_input_focus_checked(connection, XCB_INPUT_FOCUS_PARENT, target,
                                                    XCB_CURRENT_TIME)));
    }
    const XcbKeymap keymap(connection);
    const std::optional<xcb_keycode_t> ctrl = keymap.KeyOf(XK_Control_L);
    const std::optional<xcb_keycode_t> v = keymap.KeyOf(XK_v);
    if (!ctrl || !v) {
        throw StepError(ENOENT, "The keyboard has no Ctrl or V key.");
    }
    const KeyStroke strokes[] = {{XCB_KEY_PRESS, *ctrl},
                                 {XCB_KEY_PRESS, *v},
                                 {XCB_KEY_RELEASE, *v},
                                 {XCB_KEY_RELEASE, *ctrl}};
    const TypedSequences typed = TypeKeys(connection, strokes, "the typed keys");
    if (typed_) {
        typed_(typed);
    }
}

}  // namespace textmend
