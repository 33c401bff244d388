#include "ui/frmMain.h"

#include <array>
#include <string>
#include <utility>

#include "dialogs/frmAbout.h"
#include "dialogs/frmHelp.h"
#include "forms/CentreWindow.h"
#include "settings/Settings.h"
#include "ui/OptionControls.h"

namespace textmend {
namespace {

using Handler = void (frmMain::*)();

// The names a click or a menu choice can carry besides the options, and the
// handler each runs.
constexpr auto kClickHandlers = std::to_array<std::pair<std::string_view, Handler>>({
    {"cmdProcess", &frmMain::cmdProcess_Click},
    {"mnuRestore", &frmMain::mnuRestore_Click},
    {"mnuExit", &frmMain::mnuExit_Click},
    {"mnuStartintaskbar", &frmMain::mnuStartintaskbar_Click},
    {"mnuStartwithsystem", &frmMain::mnuStartwithsystem_Click},
    {"mnuAutoprocess", &frmMain::mnuAutoprocess_Click},
    {"mnuHelp", &frmMain::mnuHelp_Click},
    {"mnuAbout", &frmMain::mnuAbout_Click},
    {"mnuPopStartintaskbar", &frmMain::mnuPopStartintaskbar_Click},
    {"mnuPopExit", &frmMain::mnuPopExit_Click},
    {"mnuPopAutoprocess", &frmMain::mnuPopAutoprocess_Click},
    {"mnuPopProcess", &frmMain::mnuPopProcess_Click},
    {"mnuHotkey", &frmMain::mnuHotkey_Click},
    {"mnuRestoreOriginal", &frmMain::mnuRestoreOriginal_Click},
    {"mnuPopRestoreOriginal", &frmMain::mnuPopRestoreOriginal_Click},
});

constexpr auto kTimerHandlers = std::to_array<std::pair<std::string_view, Handler>>({
    {"TimerClipwatch", &frmMain::TimerClipwatch_Timer},
    {"TimerFlash", &frmMain::TimerFlash_Timer},
    {"TimerTrayWatch", &frmMain::TimerTrayWatch_Timer},
    {"TimerHotkey", &frmMain::TimerHotkey_Timer},
});

template <class Table>
Handler Find(const Table& table, std::string_view name) {
    for (const auto& [handlerName, handler] : table) {
        if (handlerName == name) {
            return handler;
        }
    }
    return nullptr;
}

}  // namespace

frmMain::frmMain(MainPorts ports)
    : Form(MainLayout()),
      ports_(std::move(ports)),
      trayIcon_(ports_.tray),
      pipeline_(ports_.clipboard, *this) {
    ApplyOptions(DefaultOptions());
    // Nothing to restore before a Process command has read a text.
    State("mnuRestoreOriginal").enabled = false;
    State("mnuPopRestoreOriginal").enabled = false;
    // No timer runs before the window has loaded.
    for (const auto& [timer, handler] : kTimerHandlers) {
        State(timer).enabled = false;
    }
}

bool frmMain::Click(std::string_view name) {
    const Handler handler = Find(kClickHandlers, name);
    const CaseControl* caseControl = FindCaseControl(name);
    const FlagControl* flagControl = FindFlagControl(name);
    if (handler == nullptr && caseControl == nullptr && flagControl == nullptr) {
        return false;
    }
    // A disabled control or item takes no clicks, nor does an unloaded window.
    if (!Control(name)->enabled || unloaded_) {
        return true;
    }
    if (handler != nullptr) {
        (this->*handler)();
    } else if (caseControl != nullptr) {
        SelectCase(caseControl->option);
    } else {
        ToggleBox(flagControl->box);
    }
    return true;
}

bool frmMain::Tick(std::string_view timerName) {
    const Handler handler = Find(kTimerHandlers, timerName);
    if (handler == nullptr) {
        return false;
    }
    if (!unloaded_) {
        (this->*handler)();
    }
    return true;
}

// A step that fails is skipped silently and start-up goes on with the next.
void frmMain::Form_Load() {
    pipeline_.watcher().Forget();
    caption_ += " " + VersionText(ports_.version) + " ";
    CentreWindow(ports_.window);
    OptionSet options = CurrentOptions();
    LoadSettings(options, ports_.settings);
    hotkey_ = LoadHotkey(ports_.settings);
    LoadLaterCleanups(options, ports_.settings);
    ApplyOptions(options);
    State("mnu_1").visible = false;
    syncMenus();
    if (Value("mnuStartintaskbar") == 1) {
        windowState_ = WindowState::Minimized;
        ports_.window.SetState(WindowState::Minimized);
    }
    ports_.window.Show();
    windowHidden_ = false;
    ports_.window.Repaint();
    // The timers the layout marks as running start with the window.
    for (const auto& [timer, handler] : kTimerHandlers) {
        const ControlDef& def = *Layout().Find(timer);
        if (!def.enabled) {
            continue;
        }
        try {
            ports_.timers.Start(timer, def.intervalMs);
            State(timer).enabled = true;
        } catch (const StepError&) {
        }
    }
    if (hotkey_) {
        HoldHotkey();
    }
    loaded_ = true;
    addTrayIcon();
}

void frmMain::Form_Unload() {
    if (unloaded_) {
        return;
    }
    unloaded_ = true;
    pipeline_.Stop();
    // Before load the controls never held the stored values: keep those.
    if (loaded_) {
        SaveSettings(CurrentOptions(), ports_.settings);
        SaveHotkey(hotkey_, ports_.settings);
        SaveLaterCleanups(CurrentOptions(), ports_.settings);
        if (hotkey_) {
            ports_.hotkey.Unregister();
        }
    }
    removeTrayIcon();
    for (const auto& [timer, handler] : kTimerHandlers) {
        if (Control(timer)->enabled) {
            State(timer).enabled = false;
            ports_.timers.Stop(timer);
        }
    }
}

void frmMain::mnuExit_Click() {
    Form_Unload();
    ports_.shell.EndProgram();
}

void frmMain::mnuPopExit_Click() {
    mnuExit_Click();
}

void frmMain::mnuHelp_Click() {
    frmHelp help;
    help.SetText(frmHelp::UsageText());
    ports_.shell.ShowModal(help);
}

void frmMain::mnuAbout_Click() {
    frmAbout about(ports_.system, ports_.messageBox, ports_.version);
    ports_.shell.ShowModal(about);
}

void frmMain::ShowError(const StepError& error) {
    State("txtClipboard").text = FormatErrorMessage(error.number(), error.description());
}

void frmMain::SetTimerRunning(std::string_view timerName, bool running) {
    ControlState& timer = State(timerName);
    if (timer.enabled == running) {
        return;
    }
    try {
        if (running) {
            ports_.timers.Start(timerName, Layout().Find(timerName)->intervalMs);
        } else {
            ports_.timers.Stop(timerName);
        }
        timer.enabled = running;
    } catch (const StepError& error) {
        ShowError(error);
    }
}

int frmMain::Value(std::string_view name) const {
    return Control(name)->value;
}

void frmMain::SetMark(std::string_view first, std::string_view twin, int value) {
    State(first).value = value;
    State(twin).value = value;
}

}  // namespace textmend
