#include "qt/QtX11Display.h"

#include <QGuiApplication>
#include <cerrno>

#include "engine/StepError.h"

namespace textmend {

XcbDisplay ProgramDisplay() {
    const auto* x11 = qGuiApp != nullptr
                          ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>()
                          : nullptr;
    xcb_connection_t* connection = x11 != nullptr ? x11->connection() : nullptr;
    if (connection == nullptr) {
        throw StepError(ENOTSUP, "The hotkey needs an X11 desktop.");
    }
    return DisplayOf(connection);
}

}  // namespace textmend
