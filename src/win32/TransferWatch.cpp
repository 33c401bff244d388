#include "win32/TransferWatch.h"

#include "win32/AppMessages.h"
#include "win32/MessageWindow.h"

namespace textmend {
namespace {

constexpr wchar_t kListenerClass[] = L"TextmendTransferListener";

}  // namespace

bool TransferWatch::Abandon() {
    HWND listener = nullptr;
    {
        std::lock_guard lock(mutex_);
        if (landed_) {
            return false;
        }
        abandoned_ = true;
        listener = listener_;
    }
    if (listener != nullptr) {
        // Handled on the worker's thread even while it waits inside the system.
        SendNotifyMessageW(listener, kGiveUpClipboardMessage, 0, 0);
    }
    return true;
}

bool TransferWatch::Abandoned() {
    std::lock_guard lock(mutex_);
    return abandoned_;
}

bool TransferWatch::Land(const std::function<void()>& put) {
    std::lock_guard lock(mutex_);
    if (abandoned_) {
        return false;
    }
    put();
    landed_ = true;
    return true;
}

TransferWatch::Listener::Listener(TransferWatch& watch)
    : watch_(watch), window_(CreateMessageWindow(kListenerClass, Proc, nullptr)) {
    std::lock_guard lock(watch_.mutex_);
    watch_.listener_ = window_;
}

TransferWatch::Listener::~Listener() {
    {
        std::lock_guard lock(watch_.mutex_);
        watch_.listener_ = nullptr;
    }
    DestroyWindow(window_);
}

LRESULT CALLBACK TransferWatch::Listener::Proc(HWND hwnd, UINT message, WPARAM wParam,
                                               LPARAM lParam) {
    if (message == kGiveUpClipboardMessage) {
        // Fails harmlessly when this thread has the clipboard closed already.
        CloseClipboard();
        return 0;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

}  // namespace textmend
