#include "wayland/WaylandSession.h"

#include <cstdlib>

#include "engine/StepError.h"
#include "wayland/WaylandConnection.h"

namespace textmend {

DataControlProtocol ChooseDataControl(const WaylandConnection& connection) {
    if (connection.Offers("ext_data_control_manager_v1")) {
        return DataControlProtocol::Ext;
    }
    if (connection.Offers("zwlr_data_control_manager_v1")) {
        return DataControlProtocol::Wlr;
    }
    return DataControlProtocol::None;
}

WaylandSession ProbeWaylandSession() {
    WaylandSession session;
    const char* display = std::getenv("WAYLAND_DISPLAY");
    session.hasDisplay = display != nullptr && *display != '\0';
    if (!session.hasDisplay) {
        return session;
    }
    try {
        const WaylandConnection connection;
        session.dataControl = ChooseDataControl(connection);
        session.virtualKeyboard = connection.Offers("zwp_virtual_keyboard_manager_v1");
    } catch (const StepError&) {
        // Nothing offered: the program stays on X11.
    }
    return session;
}

}  // namespace textmend
