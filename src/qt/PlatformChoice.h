#pragma once

#include <string>

namespace textmend {

// The toolkit platform the program runs on, and how --version names it.
struct PlatformChoice {
    std::string platform;     // for QT_QPA_PLATFORM: "wayland", "xcb", or the user's
    std::string description;  // "x11", "wayland (<clipboard protocol>[, <paste protocol>])"
};

// The platform QT_QPA_PLATFORM names when set; else "wayland" where the Wayland
// session lets a client without the focus watch the clipboard (a data-control
// manager), and "xcb" (X11, or XWayland) everywhere else.
PlatformChoice ChoosePlatform();

}  // namespace textmend
