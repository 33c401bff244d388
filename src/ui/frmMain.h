#pragma once

// The main window, which is the program: the case options, the clean-up boxes,
// the Process command, the menus, the tray icon, the clipboard watcher and the
// flashing of the icon.
//
// Besides what every form takes (forms/Form.h), a front end sends the main window
// every change of the window's state to Form_Resize, every tray icon event to
// TrayIconEvent, every tick of a timer the window started (TimerPort) to
// Tick(name), a recreated notification area to TrayAreaCreated, each press of
// the hotkey to HotkeyPressed, a menu of the menu bar about to open to
// Menu_Open(name), and the close box to Form_Unload. Timers run only while the
// window asks; a timer's running state is Control(name)->enabled.

#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "engine/LinePass.h"
#include "engine/OptionSet.h"
#include "forms/AppVersion.h"
#include "forms/Form.h"
#include "ports/AlertPorts.h"
#include "ports/AutostartPort.h"
#include "ports/ClipboardPort.h"
#include "ports/HotkeyPort.h"
#include "ports/ShellPort.h"
#include "ports/SystemPort.h"
#include "ports/TimerPort.h"
#include "ports/TrayPort.h"
#include "ports/WindowPort.h"
#include "settings/SettingsBackend.h"
#include "tray/ClipboardReads.h"
#include "tray/ClipboardWatcher.h"
#include "tray/IconFlasher.h"
#include "tray/TrayIcon.h"

namespace textmend {

struct MainPorts {
    ClipboardPort& clipboard;
    MessageBoxPort& messageBox;
    BeepPort& beep;
    TrayPort& tray;
    WindowPort& window;
    TimerPort& timers;
    ShellPort& shell;
    HotkeyPort& hotkey;
    KeyboardPort& keyboard;
    AutostartPort& autostart;
    SettingsBackend& settings;
    SystemPort& system;
    ScratchFolders scratch;
    AppVersion version;
    // Where the paste may be left to the user (a desktop that lets the program
    // type nowhere); none elsewhere.
    NoticePort* notice = nullptr;
};

class frmMain : public Form {
  public:
    explicit frmMain(MainPorts ports);

    // The option buttons, the check boxes and their popup items go by the table
    // that pairs them (ui/OptionControls.h); every other name by its handler below.
    bool Click(std::string_view name) override;
    // A tick of the named timer; false for a name that is no timer of this window.
    bool Tick(std::string_view timerName);

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
    // Start with the system: its mark is the system's own record, read whenever
    // the Options menu opens; choosing it writes or removes that record.
    void mnuStartwithsystem_Click();
    // A menu of the menu bar is about to open.
    void Menu_Open(std::string_view menuName);
    void mnuAutoprocess_Click();
    void mnuPopAutoprocess_Click();
    void mnuPopProcess_Click();
    void mnuHotkey_Click();
    // Puts the text the last Process command read back on the clipboard.
    void mnuRestoreOriginal_Click();
    void mnuPopRestoreOriginal_Click();

    // Copies the option controls into the popup's marks.
    void syncMenus();

    void TimerClipwatch_Timer();
    void TimerFlash_Timer();
    // Every few seconds: follows the notification area as it comes and goes.
    void TimerTrayWatch_Timer();
    // While a hotkey press waits for the user to let go of the modifier keys.
    void TimerHotkey_Timer();

    // The clean-and-paste hotkey was pressed, wherever the focus is: once the
    // modifier keys are up (or after a second), the Process command runs and
    // its result is pasted into the window that had the focus. A press while
    // one is still under way, or while the hotkey dialog is open, is ignored.
    void HotkeyPressed();
    // The desktop refused the keys of a paste the keyboard took on: the text
    // stays cleaned on the clipboard, and a notice asks the user to paste it.
    void PasteRefused();

    // The tray icon.
    void addTrayIcon();
    void removeTrayIcon();
    void iconNormal();
    void iconAutoprocess();
    void restoreFromTray();
    // Activate brings the window back in the normal state and to the front;
    // OpenMenu opens the popup menu.
    void TrayIconEvent(TrayEvent event);
    // The notification area has appeared or been recreated: the icon is added
    // (again), and a minimized window now hides behind it.
    void TrayAreaCreated();

    // What the front ends and the tests read.
    const std::string& lastClipText() const { return watcher_.lastClipText(); }
    std::int16_t flashCount() const { return flasher_.flashCount(); }
    bool trayIconPresent() const { return trayIcon_.Present(); }
    TrayImage trayImage() const { return trayIcon_.Image(); }
    WindowState windowState() const { return windowState_; }
    bool windowHidden() const { return windowHidden_; }
    bool autoprocess() const;
    const std::optional<Hotkey>& hotkey() const { return hotkey_; }
    // The text the last Process command read, before processing; memory only.
    const std::optional<std::string>& originalText() const { return original_; }
    // The options as the controls show them, including a missing case choice.
    OptionSet CurrentOptions() const;

  private:
    // The text the Process command put on the clipboard; nothing when it ended
    // early or could not put it there.
    using ProcessFinished = std::function<void(const std::optional<std::string>& put)>;

    // One run of the Process command. The clipboard is read and written in the
    // background, so a run ends some time after it starts; runs asked for
    // meanwhile wait their turn.
    struct ProcessRun {
        // The watcher's read to work on instead of reading again.
        std::optional<ClipboardRead> read{};
        // Puts this text back instead of reading and processing (Restore original).
        std::optional<std::string> restore{};
        // No text on the clipboard only beeps: a message box would take the
        // focus from where the user types.
        bool quietWithoutText = false;
        ProcessFinished finished{};
        bool waitingForRead = false;
        // The watcher found news in the very read this run waits for: the run
        // ends as the watcher's own would.
        bool alsoForWatcher = false;
    };

    void RunProcess(ProcessRun run);
    void RestoreOriginal(const std::string& text);
    void ProcessRead(const ClipboardRead& read);
    void WriteAndFinish(std::string text, bool remember);
    void FinishProcess(const std::optional<std::string>& put);
    void WatcherRead(const ClipboardRead& read);
    void WatcherProcessed(const std::optional<std::string>& put);
    void KeepOriginal(const std::string& text);
    void SoundBeep();
    void HoldHotkey();
    bool HotkeyInUse(const Hotkey& candidate);
    bool ModifiersDown();
    void CleanAndPaste();
    void PasteAfterHotkey();
    void ShowError(const StepError& error);
    void ApplyOptions(const OptionSet& options);
    void SelectCase(std::string_view optionName);
    void ToggleBox(std::string_view boxName);
    // Remove rtns 2X means something only on top of Remove returns.
    bool RemoveTwiceAllowed() const;
    void RemoveReturnsRule();
    void AutoprocessSwitched();
    void SetMark(std::string_view first, std::string_view twin, int value);
    void SetTimerRunning(std::string_view timerName, bool running);
    void ShowTrayImage(TrayImage image);
    void HideIfMinimizedToTray();
    void ComeOutWithoutTray();
    int Value(std::string_view name) const;

    MainPorts ports_;
    TrayIcon trayIcon_;
    ClipboardWatcher watcher_;
    ClipboardReads reads_;
    std::optional<ProcessRun> running_;
    std::deque<ProcessRun> waiting_;
    std::optional<std::string> original_;
    std::optional<Hotkey> hotkey_;
    // A hotkey press under way: the window that had the focus, and the ticks
    // spent waiting for the modifier keys.
    std::optional<std::uintptr_t> pressFocus_;
    int modifierTicks_ = 0;
    bool choosingHotkey_ = false;  // the hotkey dialog is open
    IconFlasher flasher_;
    WindowState windowState_ = WindowState::Normal;
    bool windowHidden_ = true;
    bool loaded_ = false;
};

}  // namespace textmend
