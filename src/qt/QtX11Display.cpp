#include "qt/QtX11Display.h"

#include <QGuiApplication>
#include <cerrno>

#include "engine/StepError.h"

// Last: Xlib defines macros (None, Bool, Status) that the toolkit's headers use as names.
#include <X11/Xlib.h>

namespace textmend {
namespace {

const QNativeInterface::QX11Application* QtX11() {
    return qGuiApp != nullptr ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>()
                              : nullptr;
}

}  // namespace

XcbDisplay ProgramDisplay() {
    const auto* x11 = QtX11();
    xcb_connection_t* connection = x11 != nullptr ? x11->connection() : nullptr;
    if (connection == nullptr) {
        throw StepError(ENOTSUP, "The hotkey needs an X11 desktop.");
    }
    return DisplayOf(connection);
}

std::string ProgramDisplayName() {
    const auto* x11 = QtX11();
    Display* display = x11 != nullptr ? x11->display() : nullptr;
    return display != nullptr ? XDisplayString(display) : "";
}

}  // namespace textmend
