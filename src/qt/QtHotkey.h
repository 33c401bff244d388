#pragma once

#include <QAbstractNativeEventFilter>

namespace textmend {

class X11Hotkey;

// The hotkey's presses among Qt's own events: the key grab is held on Qt's
// connection, so its events reach the program through Qt's event loop.
class QtHotkey : private QAbstractNativeEventFilter {
  public:
    explicit QtHotkey(X11Hotkey& hotkey);
    ~QtHotkey() override;
    QtHotkey(const QtHotkey&) = delete;
    QtHotkey& operator=(const QtHotkey&) = delete;

  private:
    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

    X11Hotkey& hotkey_;
};

}  // namespace textmend
