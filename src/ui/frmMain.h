#pragma once

// The main window, which is the program: the case options, the clean-up boxes,
// the Process command, the menus, the tray icon, the clipboard watcher and the
// flashing of the icon.
//
// How a front end drives it:
// - Build the widgets from MainLayout(); send every click and menu choice to
//   Click(name) (or the named handler), every change of the window's state to
//   Form_Resize, every tray icon mouse event to TrayEvent, every timer tick to
//   TimerClipwatch_Timer / TimerFlash_Timer, user edits of the text box to
//   txtClipboard_Change, and the close box to Form_Unload (then close the window).
// - After every call, redraw every widget from Caption() and Control(name):
//   value (option selected, box 0/1/2, menu item checked), enabled, visible
//   (mnu_1 is invisible in the menu bar after load), text. WindowPort::Repaint
//   asks for the same at once.
// - Check boxes and menu marks change only here: a front end never toggles a
//   box natively, it reports the click and draws the new value.
// - Timers run only while the core asks (TimerPort::Start/Stop); a timer's
//   running state is Control(name)->enabled. Form_Load starts TimerClipwatch.
// - The tray record trayIconData() is what the front end passes to the platform.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "engine/LinePass.h"
#include "engine/OptionSet.h"
#include "settings/SettingsBackend.h"
#include "tray/ClipboardWatcher.h"
#include "tray/IconFlasher.h"
#include "tray/TrayIcon.h"
#include "ui/AppVersion.h"
#include "ui/Form.h"
#include "ui/Ports.h"

namespace textmend {

struct MainPorts {
    ClipboardPort& clipboard;
    MessageBoxPort& messageBox;
    BeepPort& beep;
    TrayPort& tray;
    WindowPort& window;
    TimerPort& timers;
    ShellPort& shell;
    SettingsBackend& settings;
    SystemRegistryPort& registry;
    SystemPort& system;
    ScratchFolders scratch;
    AppVersion version;
};

class frmMain : public Form {
  public:
    explicit frmMain(MainPorts ports);

    bool Click(std::string_view name) override;

    // Start-up and shutdown. Form_Unload saves the twelve settings, then removes
    // the tray icon; it runs once, later calls do nothing.
    void Form_Load();
    void Form_Unload();
    // The window's state changed (by the user, the platform or the core itself).
    // A minimized window hides behind its tray icon when it has one.
    void Form_Resize(WindowState state);

    // Buttons and menus.
    void cmdProcess_Click();
    void mnuRestore_Click();
    void mnuExit_Click();
    void mnuPopExit_Click();
    void mnuHelp_Click();
    void mnuAbout_Click();
    void mnuStartintaskbar_Click();
    void mnuPopStartintaskbar_Click();
    void mnuAutoprocess_Click();
    void mnuPopAutoprocess_Click();
    void mnuPopProcess_Click();

    // The case options and the clean-up boxes. A click on a box turns 0 into 1
    // and 1 into 0; a grayed box (2, only from stored settings, and counted as
    // clear) becomes 1, as its popup item does.
    void optClean_Click();
    void optUpper_Click();
    void optLower_Click();
    void optProper_Click();
    void chkDblspc_Click();
    void chkNoblanks_Click();
    void chkTrimCR_Click();
    void chkRemCRs_Click();
    void chkRemCRdbl_Click();
    void chkSentence_Click();
    void chkRemGT_Click();

    // The popup's option items.
    void mnuClean_Click();
    void mnuUpper_Click();
    void mnuLower_Click();
    void mnuProper_Click();
    void mnuDblspc_Click();
    void mnuNoblanks_Click();
    void mnuTrimCR_Click();
    void mnuRemCRs_Click();
    void mnuRemCRdbl_Click();
    void mnuSentence_Click();
    void mnuRemGT_Click();

    // Copies the option controls into the popup's marks.
    void syncMenus();

    // The user edited the text box.
    void txtClipboard_Change(const std::string& text);

    void TimerClipwatch_Timer();
    void TimerFlash_Timer();

    // The tray icon.
    void addTrayIcon();
    void removeTrayIcon();
    void iconNormal();
    void iconAutoprocess();
    void restoreFromTray();
    // A mouse event over the tray icon, as its window message number: 0x202
    // (left up) and 0x203 (left double click) restore the window, 0x205 (right
    // up) opens the popup menu; every other event does nothing.
    void TrayEvent(std::uint32_t mouseMessage);
    // The notification area has appeared or been recreated: the icon is added
    // (again), and a minimized window now hides behind it.
    void TrayAreaCreated();

    // What the front ends and the tests read.
    const std::string& lastClipText() const { return watcher_.lastClipText(); }
    std::int16_t flashCount() const { return flasher_.flashCount(); }
    const TrayIconData& trayIconData() const { return trayIcon_.Data(); }
    bool trayIconPresent() const { return trayIcon_.Present(); }
    WindowState windowState() const { return windowState_; }
    bool windowHidden() const { return windowHidden_; }
    bool autoprocess() const;
    // The options as the controls show them, including a missing case choice.
    OptionSet CurrentOptions() const;

  private:
    // Runs the Process command; returns the text it put on the clipboard, or
    // nothing when it ended early or could not put it there.
    std::optional<std::string> ProcessClipboard();
    void ShowError(const StepError& error);
    void ApplyOptions(const OptionSet& options);
    void SelectCase(std::string_view optionName);
    void ToggleBox(std::string_view boxName);
    void RemoveReturnsRule();
    void AutoprocessSwitched();
    void SetMark(std::string_view first, std::string_view twin, int value);
    void SetTimerRunning(std::string_view timerName, bool running);
    void HideIfMinimizedToTray();
    int Value(std::string_view name) const;

    MainPorts ports_;
    TrayIcon trayIcon_;
    ClipboardWatcher watcher_;
    IconFlasher flasher_;
    WindowState windowState_ = WindowState::Normal;
    bool windowHidden_ = true;
    bool loaded_ = false;
};

}  // namespace textmend
