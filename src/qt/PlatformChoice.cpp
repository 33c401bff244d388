#include "qt/PlatformChoice.h"

#include <cstdlib>

#include "wayland/WaylandSession.h"

namespace textmend {
namespace {

std::string Protocols(const WaylandSession& session) {
    std::string protocols = session.dataControl == DataControlProtocol::Ext
                                ? "ext-data-control-v1"
                                : "wlr-data-control-unstable-v1";
    if (session.virtualKeyboard) {
        protocols += ", virtual-keyboard-unstable-v1";
    }
    return protocols;
}

}  // namespace

PlatformChoice ChoosePlatform() {
    if (const char* chosen = std::getenv("QT_QPA_PLATFORM"); chosen != nullptr && *chosen != 0) {
        return {chosen, std::string(chosen) + " (QT_QPA_PLATFORM)"};
    }
    const WaylandSession session = ProbeWaylandSession();
    if (!session.RunsNatively()) {
        return {"xcb", "x11"};
    }
    return {session.ToolkitPlatform(), "wayland (" + Protocols(session) + ")"};
}

}  // namespace textmend
