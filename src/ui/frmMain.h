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
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "clipboard/ClipboardPipeline.h"
#include "command/CommandProtocol.h"
#include "engine/OptionSet.h"
#include "engine/ScratchFolders.h"
#include "forms/AppVersion.h"
#include "forms/Form.h"
#include "ports/AlertPorts.h"
#include "ports/AutostartPort.h"
#include "ports/ClipboardPort.h"
#include "ports/DictionarySource.h"
#include "ports/HotkeyPort.h"
#include "ports/ShellPort.h"
#include "ports/SystemPort.h"
#include "ports/TimerPort.h"
#include "ports/TrayPort.h"
#include "ports/WindowPort.h"
#include "settings/SettingsBackend.h"
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
    DictionarySource dictionary = {};
};

class frmMain : public Form, private ProcessHost {
  public:
    explicit frmMain(MainPorts ports);

    // The option buttons, the check boxes and their popup items go by the table
    // that pairs them (ui/OptionControls.h); every other name by its handler below.
    bool Click(std::string_view name) override;
    // A tick of the named timer; false for a name that is no timer of this window.
    bool Tick(std::string_view timerName);

    // Start-up and shutdown. Form_Unload saves the settings, then removes
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

    // Copies the option controls into the popup's marks, and lets Remove rtns 2X
    // follow Remove returns.
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

    // The commands another start of the program asks for (textmend --process,
    // ui/MainCommand.cpp). done is called once, when the command has ended.
    using CommandDone = std::function<void(const CommandAnswer&)>;
    // A request line as it arrived; answer gets the answer line.
    void CommandRequest(std::string_view requestLine,
                        const std::function<void(const std::string&)>& answer);
    void RunCommand(ProgramCommand command, CommandDone done);
    // Instead of Form_Load, when no program runs: Process or clean-and-paste
    // once with the stored options, without the window, the tray icon or the
    // watcher. Form_Unload then saves nothing.
    void RunOnce(ProgramCommand command, CommandDone done);

    void iconAutoprocess();
    // Activate brings the window back in the normal state and to the front;
    // OpenMenu opens the popup menu.
    void TrayIconEvent(TrayEvent event);
    // The notification area has appeared or been recreated: the icon is added
    // (again), and a minimized window now hides behind it.
    void TrayAreaCreated();

    // What the front ends and the tests read.
    const std::string& lastClipText() const { return pipeline_.watcher().lastClipText(); }
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
    // The Process command's runs (ui/MainProcess.cpp).
    std::optional<std::string> TextToPut(ProcessRoute route, ClipboardRead read) override;
    void ProcessEnded(const ProcessOutcome& outcome) override;
    bool ProcessesNews() const override { return autoprocess(); }
    void ShowError(const StepError& error) override;
    void KeepOriginal(ClipboardContent&& content);
    void SoundBeep();
    void HoldHotkey();
    bool HotkeyInUse(const Hotkey& candidate);
    bool ModifiersDown();
    void StartPress();
    void CleanAndPaste();
    void HotkeyRunEnded(bool put, const CommandAnswer& run);
    bool PasteAfterHotkey(std::optional<StepError>& failure);
    // How a run asked for by a command ended, for whoever asked.
    CommandAnswer RunAnswer(const ProcessOutcome& outcome) const;
    void PressEnded(const CommandAnswer& run, const std::optional<StepError>& pasteFailure);
    void ApplyOptions(const OptionSet& options);
    void SelectCase(std::string_view optionName);
    void ToggleBox(std::string_view boxName);
    void RemoveReturnsRule();
    void AutoprocessSwitched();
    void SetMark(std::string_view first, std::string_view twin, int value);
    void SetTimerRunning(std::string_view timerName, bool running);
    // The tray icon.
    void addTrayIcon();
    void removeTrayIcon();
    void iconNormal();
    void restoreFromTray();
    void ShowTrayImage(TrayImage image);
    void HideIfMinimizedToTray();
    void ComeOutWithoutTray();
    int Value(std::string_view name) const;
    const WordList* Dictionary();

    MainPorts ports_;
    TrayIcon trayIcon_;
    ClipboardPipeline pipeline_;
    std::optional<std::string> original_;
    bool originalSecret_ = false;  // the original carried the secret mark
    std::optional<Hotkey> hotkey_;
    // A hotkey press under way: the window that had the focus, and the ticks
    // spent waiting for the modifier keys.
    std::optional<std::uintptr_t> pressFocus_;
    int modifierTicks_ = 0;
    int pasteTicks_ = 0;  // left until the paste's own keys have come back
    // A command waiting for the press under way, and those waiting for their
    // Process runs, in the order the runs were asked for.
    CommandDone pressDone_;
    std::deque<CommandDone> commandRuns_;
    // Why the run under way puts nothing on the clipboard.
    std::optional<std::string> runFailure_;
    bool choosingHotkey_ = false;  // the hotkey dialog is open
    IconFlasher flasher_;
    WindowState windowState_ = WindowState::Normal;
    bool windowHidden_ = true;
    bool loaded_ = false;
    std::optional<std::unique_ptr<WordList>> dictionary_;  // once asked for
};

}  // namespace textmend
