#include "qt/X11DisplayName.h"

#include <QGuiApplication>

// Last: Xlib defines macros (None, Bool, Status) that the toolkit's headers use as names.
#include <X11/Xlib.h>

namespace textmend {

std::string X11DisplayName() {
    const auto* x11 = qGuiApp != nullptr
                          ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>()
                          : nullptr;
    Display* display = x11 != nullptr ? x11->display() : nullptr;
    return display != nullptr ? XDisplayString(display) : "";
}

}  // namespace textmend
