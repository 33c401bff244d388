#include "tray/TrayIcon.h"

#include <algorithm>
#include <string_view>

namespace textmend {
namespace {

constexpr std::uint32_t kRecordSize = 88;
constexpr std::uint32_t kIconId = 1;
constexpr std::uint32_t kFlagMessage = 1;
constexpr std::uint32_t kFlagIcon = 2;
constexpr std::uint32_t kFlagTip = 4;

// The tip field is filled to its full width: the text, a NUL, then spaces.
void WriteTip(char (&field)[64]) {
    constexpr std::string_view tip = " Textmend ";
    std::fill(std::begin(field), std::end(field), ' ');
    std::copy(tip.begin(), tip.end(), field);
    field[tip.size()] = '\0';
}

}  // namespace

bool TrayIcon::Add() {
    data_.cbSize = kRecordSize;
    data_.hWnd = WindowHandle();
    data_.uID = kIconId;
    data_.uFlags = kFlagMessage | kFlagIcon | kFlagTip;
    data_.uCallbackMessage = kTrayCallbackMessage;
    data_.hIcon = TrayImage::Normal;
    WriteTip(data_.szTip);
    try {
        present_ = tray_.Available() && Notify(TrayMessage::Add);
    } catch (const StepError&) {
        present_ = false;
    }
    return present_;
}

void TrayIcon::Show(TrayImage image) {
    data_.hWnd = WindowHandle();
    data_.uID = kIconId;
    data_.uFlags = kFlagIcon;
    data_.uCallbackMessage = kTrayCallbackMessage;
    data_.hIcon = image;
    if (present_) {
        Notify(TrayMessage::Modify);
    }
}

void TrayIcon::Remove() {
    if (present_) {
        Notify(TrayMessage::Delete);
        present_ = false;
    }
}

std::uintptr_t TrayIcon::WindowHandle() {
    try {
        return window_.Handle();
    } catch (const StepError&) {
        return data_.hWnd;
    }
}

// The notification area's answers matter only for adding; a failure of any
// other call leaves nothing to do but carry on.
bool TrayIcon::Notify(TrayMessage message) {
    try {
        return tray_.Notify(message, data_);
    } catch (const StepError&) {
        return false;
    }
}

}  // namespace textmend
