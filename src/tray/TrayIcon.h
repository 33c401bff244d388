#pragma once

// The main window's notification-area icon: the one record it keeps between
// calls and the four operations on it.

#include "ui/Ports.h"

namespace textmend {

class TrayIcon {
  public:
    TrayIcon(TrayPort& tray, WindowPort& window) : tray_(tray), window_(window) {}

    // Writes the whole record and adds the icon with the normal image. Returns
    // whether the icon is now in the notification area; false also when there
    // is no notification area at all.
    bool Add();
    // Changes the image; the record keeps the change.
    void Show(TrayImage image);
    // Removes the icon when it is there.
    void Remove();

    bool Present() const { return present_; }
    const TrayIconData& Data() const { return data_; }

  private:
    bool Notify(TrayMessage message);
    std::uintptr_t WindowHandle();

    TrayPort& tray_;
    WindowPort& window_;
    TrayIconData data_;
    bool present_ = false;
};

}  // namespace textmend
