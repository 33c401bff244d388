#pragma once

#include <cstdint>

namespace textmend {

class WaylandConnection;

// The clipboard protocols a compositor may offer a client that has no focus,
// the newer first.
enum class DataControlProtocol : std::uint8_t { None, Ext, Wlr };

// The data-control manager to use of those the compositor offers.
DataControlProtocol ChooseDataControl(const WaylandConnection& connection);

// What the desktop session offers the program as a native Wayland client.
struct WaylandSession {
    bool hasDisplay = false;  // WAYLAND_DISPLAY is set
    DataControlProtocol dataControl = DataControlProtocol::None;
    bool virtualKeyboard = false;  // zwp_virtual_keyboard_manager_v1

    // The program runs natively where it can watch the clipboard without the
    // focus; elsewhere it runs on X11 (XWayland on a Wayland desktop).
    bool RunsNatively() const { return dataControl != DataControlProtocol::None; }
    // The toolkit's platform for that choice: "wayland" or "xcb".
    const char* ToolkitPlatform() const { return RunsNatively() ? "wayland" : "xcb"; }
};

// Looks at $WAYLAND_DISPLAY and what its compositor offers. Never fails: a
// compositor that cannot be reached offers nothing.
WaylandSession ProbeWaylandSession();

}  // namespace textmend
