#include "tray/TrayIcon.h"

#include <string>

namespace textmend {

bool TrayIcon::Add() {
    image_ = TrayImage::Normal;
    // An area refuses a second icon of the same window; a change that goes
    // through shows the icon is there all the same.
    present_ = tray_.Available() && (tray_.Add(image_, std::string(kTip)) || tray_.Change(image_));
    return present_;
}

void TrayIcon::Show(TrayImage image) {
    image_ = image;
    if (present_ && !tray_.Change(image)) {
        present_ = false;
    }
}

void TrayIcon::Remove() {
    if (present_) {
        tray_.Remove();
        present_ = false;
    }
}

}  // namespace textmend
