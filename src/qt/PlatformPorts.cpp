#include "qt/PlatformPorts.h"

#include <QGuiApplication>
#include <iostream>

#include <QDBusConnection>

#include "portal/PortalHotkey.h"
#include "portal/PortalKeyboard.h"
#include "qt/QtClipboard.h"
#include "qt/QtHotkey.h"
#include "qt/QtWaylandClipboard.h"
#include "qt/QtX11Display.h"
#include "wayland/WaylandVirtualKeyboard.h"
#include "x11/X11Hotkey.h"
#include "x11/X11Keyboard.h"

namespace textmend {

PlatformPorts::PlatformPorts(std::function<void()> afterRead, std::function<void()> pressed,
                             std::function<void()> pasteRefused) {
    const bool waylandClient = QGuiApplication::platformName() == "wayland";
    if (!waylandClient) {
        clipboard_ = std::make_unique<QtClipboard>(std::move(afterRead));
    } else {
        // Wayland chosen by hand (QT_QPA_PLATFORM) on a compositor without
        // data-control: the toolkit's clipboard, which sees copies only while the
        // program has the focus.
        try {
            clipboard_ = std::make_unique<QtWaylandClipboard>(afterRead);
        } catch (const StepError& failure) {
            std::cerr << "textmend: the clipboard is watched only with the focus: "
                      << failure.what() << std::endl;
            clipboard_ = std::make_unique<QtClipboard>(std::move(afterRead));
        }
    }
    if (!waylandClient && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
        auto grab = std::make_unique<X11Hotkey>(ProgramDisplay, std::move(pressed));
        hotkeyEvents_ = std::make_unique<QtHotkey>(*grab);
        // The grab drops the presses the paste's own typing causes.
        keyboard_ = std::make_unique<X11Keyboard>(
            ProgramDisplay,
            [hotkey = grab.get()](TypedSequences typed) { hotkey->IgnorePressesOf(typed); });
        hotkey_ = std::move(grab);
        return;
    }
    const QDBusConnection bus = QDBusConnection::sessionBus();
    hotkey_ =
        std::make_unique<PortalHotkey>(bus, std::move(pressed), [](const std::string& problem) {
            std::cerr << "textmend: the desktop holds no hotkey: " << problem << std::endl;
        });
    try {
        keyboard_ = std::make_unique<WaylandVirtualKeyboard>();
    } catch (const StepError&) {
        keyboard_ = std::make_unique<PortalKeyboard>(bus, std::move(pasteRefused));
    }
}

PlatformPorts::~PlatformPorts() = default;

bool PlatformPorts::OffersOwnText() {
    if (auto* wayland = dynamic_cast<QtWaylandClipboard*>(clipboard_.get())) {
        return wayland->OffersOwnText();
    }
    return static_cast<QtClipboard&>(*clipboard_).OffersOwnText();
}

}  // namespace textmend
