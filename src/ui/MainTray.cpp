// The tray icon, hiding behind it, Start in taskbar and the Autoprocess switch.

#include "ui/frmMain.h"

namespace textmend {

void frmMain::addTrayIcon() {
    trayIcon_.Add();
    HideIfMinimizedToTray();
}

void frmMain::removeTrayIcon() {
    trayIcon_.Remove();
}

void frmMain::iconNormal() {
    ShowTrayImage(TrayImage::Normal);
}

void frmMain::iconAutoprocess() {
    ShowTrayImage(TrayImage::Autoprocess);
}

void frmMain::ShowTrayImage(TrayImage image) {
    trayIcon_.Show(image);
    ComeOutWithoutTray();
}

// Without an icon a hidden window could never come back, so it stays an
// ordinary minimized window instead.
void frmMain::HideIfMinimizedToTray() {
    if (windowState_ != WindowState::Minimized || windowHidden_ || !trayIcon_.Present()) {
        return;
    }
    ports_.window.Hide();
    windowHidden_ = true;
}

// A window hidden behind an icon that has gone comes back as an ordinary
// minimized window, until an icon can take it again.
void frmMain::ComeOutWithoutTray() {
    if (!windowHidden_ || !loaded_ || unloaded_ || trayIcon_.Present()) {
        return;
    }
    ports_.window.Show();
    windowHidden_ = false;
}

void frmMain::Form_Resize(WindowState state) {
    if (unloaded_) {
        return;
    }
    windowState_ = state;
    HideIfMinimizedToTray();
}

void frmMain::restoreFromTray() {
    windowState_ = WindowState::Normal;
    ports_.window.SetState(WindowState::Normal);
    ports_.window.SetForeground();
    ports_.window.Show();
    windowHidden_ = false;
}

void frmMain::TrayIconEvent(TrayEvent event) {
    if (unloaded_) {
        return;
    }
    switch (event) {
        case TrayEvent::Activate:
            restoreFromTray();
            break;
        case TrayEvent::OpenMenu:
            ports_.window.SetForeground();
            ports_.shell.PopupMenu();
            break;
    }
}

void frmMain::TrayAreaCreated() {
    if (!loaded_ || unloaded_) {
        return;
    }
    addTrayIcon();
}

// A notification area that appears later (a panel started after the program)
// gets the icon as soon as it is there; one that goes takes the icon with it.
void frmMain::TimerTrayWatch_Timer() {
    if (!loaded_) {
        return;
    }
    const bool available = ports_.tray.Available();
    if (available && !trayIcon_.Present()) {
        addTrayIcon();
    } else if (!available && trayIcon_.Present()) {
        trayIcon_.Lost();
        ComeOutWithoutTray();
    }
}

void frmMain::mnuStartintaskbar_Click() {
    SetMark("mnuStartintaskbar", "mnuPopStartintaskbar", Value("mnuStartintaskbar") == 1 ? 0 : 1);
}

void frmMain::mnuPopStartintaskbar_Click() {
    SetMark("mnuPopStartintaskbar", "mnuStartintaskbar",
            Value("mnuPopStartintaskbar") == 1 ? 0 : 1);
}

void frmMain::mnuAutoprocess_Click() {
    SetMark("mnuAutoprocess", "mnuPopAutoprocess", Value("mnuAutoprocess") == 1 ? 0 : 1);
    AutoprocessSwitched();
}

void frmMain::mnuPopAutoprocess_Click() {
    SetMark("mnuPopAutoprocess", "mnuAutoprocess", Value("mnuPopAutoprocess") == 1 ? 0 : 1);
    AutoprocessSwitched();
}

// Switching on starts the watcher without touching its memory, so only texts
// copied from now on are processed; switching off leaves a flash to finish.
void frmMain::AutoprocessSwitched() {
    if (autoprocess()) {
        SetTimerRunning("TimerClipwatch", true);
    } else {
        SetTimerRunning("TimerClipwatch", false);
        iconNormal();
    }
}

}  // namespace textmend
