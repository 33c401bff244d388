#pragma once

#include <QAbstractNativeEventFilter>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "ports/HotkeyPort.h"

namespace textmend {

// The clean-and-paste hotkey on the X11 desktop: a key grab on the root window,
// held once for every state of Caps Lock and Num Lock. Its presses arrive among
// Qt's own events and are handed to pressed.
class QtHotkey : public HotkeyPort, private QAbstractNativeEventFilter {
  public:
    explicit QtHotkey(std::function<void()> pressed);
    ~QtHotkey() override;
    QtHotkey(const QtHotkey&) = delete;
    QtHotkey& operator=(const QtHotkey&) = delete;

    Grab Register(const Hotkey& hotkey) override;
    void Unregister() override;
    // The hotkey's own key counts too: while it is down the grab holds the whole
    // keyboard, and a paste typed then would come back to this program.
    bool ModifiersDown() override;

  private:
    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

    struct Held {
        std::uint32_t root;
        std::uint8_t key;
        std::uint16_t mask;
        std::uint16_t numLockMask;
        std::vector<std::uint16_t> states;  // the modifier states grabbed
    };
    static void Release(const Held& held);

    std::function<void()> pressed_;
    std::optional<Held> held_;
};

}  // namespace textmend
