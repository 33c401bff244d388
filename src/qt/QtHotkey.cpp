#include "qt/QtHotkey.h"

#include <QCoreApplication>

#include "x11/X11Hotkey.h"

namespace textmend {

QtHotkey::QtHotkey(X11Hotkey& hotkey) : hotkey_(hotkey) {
    if (QCoreApplication::instance() != nullptr) {
        QCoreApplication::instance()->installNativeEventFilter(this);
    }
}

QtHotkey::~QtHotkey() {
    if (QCoreApplication::instance() != nullptr) {
        QCoreApplication::instance()->removeNativeEventFilter(this);
    }
}

bool QtHotkey::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) {
    return eventType == "xcb_generic_event_t" &&
           hotkey_.Take(*static_cast<const xcb_generic_event_t*>(message));
}

}  // namespace textmend
