#include "win32/Win32Window.h"

#include "forms/PixelGrid.h"

namespace textmend {
namespace {

int Pixels(double twips, UINT dpi) {
    return TwipsToPixels(twips, static_cast<int>(dpi));
}

}  // namespace

void Win32Window::Show() {
    if (IsWindowVisible(window_.Hwnd())) {
        return;
    }
    ShowWindow(window_.Hwnd(),
               pendingState_ == WindowState::Minimized ? SW_SHOWMINIMIZED : SW_SHOWNORMAL);
}

void Win32Window::Hide() {
    ShowWindow(window_.Hwnd(), SW_HIDE);
}

void Win32Window::SetState(WindowState state) {
    pendingState_ = state;
    if (IsWindowVisible(window_.Hwnd())) {
        ShowWindow(window_.Hwnd(), state == WindowState::Minimized ? SW_MINIMIZE : SW_RESTORE);
    }
}

void Win32Window::SetForeground() {
    SetForegroundWindow(window_.Hwnd());
}

void Win32Window::Move(double leftTwips, double topTwips) {
    SetWindowPos(window_.Hwnd(), nullptr, Pixels(leftTwips, window_.Dpi()),
                 Pixels(topTwips, window_.Dpi()), 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

TwipSize Win32Window::ScreenSize() {
    const int dpi = static_cast<int>(window_.Dpi());
    return {PixelsToTwips(GetSystemMetrics(SM_CXSCREEN), dpi),
            PixelsToTwips(GetSystemMetrics(SM_CYSCREEN), dpi)};
}

TwipSize Win32Window::OuterSize() {
    RECT rect{};
    if (IsIconic(window_.Hwnd())) {
        WINDOWPLACEMENT placement{};
        placement.length = sizeof(placement);
        GetWindowPlacement(window_.Hwnd(), &placement);
        rect = placement.rcNormalPosition;
    } else {
        GetWindowRect(window_.Hwnd(), &rect);
    }
    const int dpi = static_cast<int>(window_.Dpi());
    return {PixelsToTwips(rect.right - rect.left, dpi), PixelsToTwips(rect.bottom - rect.top, dpi)};
}

void Win32Window::Repaint() {
    window_.Refresh();
    RedrawWindow(window_.Hwnd(), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

}  // namespace textmend
