#include "tray/IconFlasher.h"

namespace textmend {

FlashStep IconFlasher::Tick() {
    if (flashCount_ > 5) {
        flashCount_ = 0;
        return {TrayImage::Normal, true};
    }
    const TrayImage image = flashCount_ % 2 == 1 ? TrayImage::Normal : TrayImage::Autoprocess;
    ++flashCount_;
    return {image, false};
}

}  // namespace textmend
