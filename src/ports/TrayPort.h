#pragma once

#include <cstdint>
#include <string>

namespace textmend {

enum class TrayImage : std::uint8_t { Normal, Autoprocess };

// What the user did to the icon, in the program's terms: a left click or double
// click activates it, a right click asks for the popup menu. The front end turns
// its platform's mouse events into these and drops every other event.
enum class TrayEvent : std::uint8_t { Activate, OpenMenu };

// The notification area and the program's one icon in it. Nothing here throws:
// a notification area that refuses says so by the result.
class TrayPort {
  public:
    virtual ~TrayPort() = default;
    // Whether a notification area exists right now.
    virtual bool Available() = 0;
    // Puts the icon into the notification area with image and tip. False when
    // the area refuses, which it also does while the icon is there already.
    virtual bool Add(TrayImage image, const std::string& tip) = 0;
    // Gives the icon another image; false when the icon is not there.
    virtual bool Change(TrayImage image) = 0;
    virtual void Remove() = 0;
};

}  // namespace textmend
