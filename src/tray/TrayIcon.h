#pragma once

#include <string_view>

#include "ports/TrayPort.h"

namespace textmend {

// The main window's notification-area icon as the window knows it: whether it is
// in the notification area and which image it shows. The area may refuse it,
// lose it or be recreated while it keeps it; Present() follows what the area says.
class TrayIcon {
  public:
    // The icon's tooltip, with a blank on either side.
    static constexpr std::string_view kTip = " Textmend ";

    explicit TrayIcon(TrayPort& tray) : tray_(tray) {}

    // Puts the icon in with the normal image. An icon the area still holds (it
    // was announced as recreated without losing it) stays and shows the normal
    // image. Returns whether the icon is there now.
    bool Add();
    // Changes the image; an icon that can no longer be changed is gone.
    void Show(TrayImage image);
    // Takes the icon out when it is there.
    void Remove();
    // The notification area has gone, and the icon with it.
    void Lost() { present_ = false; }

    bool Present() const { return present_; }
    TrayImage Image() const { return image_; }

  private:
    TrayPort& tray_;
    TrayImage image_ = TrayImage::Normal;
    bool present_ = false;
};

}  // namespace textmend
