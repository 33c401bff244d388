#include "ui/frmMain.h"

#include <array>
#include <string>
#include <utility>

#include "dialogs/frmAbout.h"
#include "dialogs/frmHelp.h"
#include "settings/Settings.h"
#include "ui/CentreWindow.h"

namespace textmend {
namespace {

using Handler = void (frmMain::*)();

// Every name a click or a menu choice can carry, and the handler it runs.
constexpr auto kClickHandlers = std::to_array<std::pair<std::string_view, Handler>>({
    {"cmdProcess", &frmMain::cmdProcess_Click},
    {"optClean", &frmMain::optClean_Click},
    {"optUpper", &frmMain::optUpper_Click},
    {"optLower", &frmMain::optLower_Click},
    {"optProper", &frmMain::optProper_Click},
    {"chkDblspc", &frmMain::chkDblspc_Click},
    {"chkNoblanks", &frmMain::chkNoblanks_Click},
    {"chkTrimCR", &frmMain::chkTrimCR_Click},
    {"chkRemCRs", &frmMain::chkRemCRs_Click},
    {"chkRemCRdbl", &frmMain::chkRemCRdbl_Click},
    {"chkSentence", &frmMain::chkSentence_Click},
    {"chkRemGT", &frmMain::chkRemGT_Click},
    {"mnuRestore", &frmMain::mnuRestore_Click},
    {"mnuExit", &frmMain::mnuExit_Click},
    {"mnuStartintaskbar", &frmMain::mnuStartintaskbar_Click},
    {"mnuAutoprocess", &frmMain::mnuAutoprocess_Click},
    {"mnuHelp", &frmMain::mnuHelp_Click},
    {"mnuAbout", &frmMain::mnuAbout_Click},
    {"mnuPopStartintaskbar", &frmMain::mnuPopStartintaskbar_Click},
    {"mnuPopExit", &frmMain::mnuPopExit_Click},
    {"mnuClean", &frmMain::mnuClean_Click},
    {"mnuUpper", &frmMain::mnuUpper_Click},
    {"mnuLower", &frmMain::mnuLower_Click},
    {"mnuProper", &frmMain::mnuProper_Click},
    {"mnuDblspc", &frmMain::mnuDblspc_Click},
    {"mnuNoblanks", &frmMain::mnuNoblanks_Click},
    {"mnuTrimCR", &frmMain::mnuTrimCR_Click},
    {"mnuRemCRs", &frmMain::mnuRemCRs_Click},
    {"mnuRemCRdbl", &frmMain::mnuRemCRdbl_Click},
    {"mnuSentence", &frmMain::mnuSentence_Click},
    {"mnuRemGT", &frmMain::mnuRemGT_Click},
    {"mnuPopAutoprocess", &frmMain::mnuPopAutoprocess_Click},
    {"mnuPopProcess", &frmMain::mnuPopProcess_Click},
});

}  // namespace

frmMain::frmMain(MainPorts ports)
    : Form(MainLayout()),
      ports_(std::move(ports)),
      trayIcon_(ports_.tray, ports_.window),
      watcher_(ports_.clipboard) {
    // No timer runs before the window has loaded.
    State("TimerClipwatch").enabled = false;
    State("TimerFlash").enabled = false;
}

bool frmMain::Click(std::string_view name) {
    for (const auto& [handlerName, handler] : kClickHandlers) {
        if (handlerName == name) {
            // A disabled control or item takes no clicks, nor does an unloaded window.
            if (Control(name)->enabled && !unloaded_) {
                (this->*handler)();
            }
            return true;
        }
    }
    return false;
}

// A step that fails is skipped silently and start-up goes on with the next.
void frmMain::Form_Load() {
    watcher_.Forget();
    caption_ += " " + std::to_string(ports_.version.major) + "." +
                std::to_string(ports_.version.minor) + "." +
                std::to_string(ports_.version.revision) + " ";
    try {
        CentreWindow(ports_.window);
    } catch (const StepError&) {
    }
    OptionSet options = CurrentOptions();
    LoadSettings(options, ports_.settings);
    ApplyOptions(options);
    State("chkRemCRdbl").enabled = Value("chkRemCRs") == 1;
    State("mnu_1").visible = false;
    syncMenus();
    if (Value("mnuStartintaskbar") == 1) {
        windowState_ = WindowState::Minimized;
        try {
            ports_.window.SetState(WindowState::Minimized);
        } catch (const StepError&) {
        }
    }
    try {
        ports_.window.Show();
        windowHidden_ = false;
        ports_.window.Repaint();
    } catch (const StepError&) {
    }
    try {
        ports_.timers.Start("TimerClipwatch", Layout().Find("TimerClipwatch")->intervalMs);
        State("TimerClipwatch").enabled = true;
    } catch (const StepError&) {
    }
    loaded_ = true;
    addTrayIcon();
}

void frmMain::Form_Unload() {
    if (unloaded_) {
        return;
    }
    unloaded_ = true;
    // Before load the controls never held the stored values: keep those.
    if (loaded_) {
        SaveSettings(CurrentOptions(), ports_.settings);
    }
    removeTrayIcon();
    for (std::string_view timer : {"TimerClipwatch", "TimerFlash"}) {
        if (Control(timer)->enabled) {
            State(timer).enabled = false;
            try {
                ports_.timers.Stop(timer);
            } catch (const StepError&) {
            }
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
    frmAbout about(ports_.registry, ports_.system, ports_.messageBox, ports_.version);
    ports_.shell.ShowModal(about);
}

void frmMain::txtClipboard_Change(const std::string& text) {
    State("txtClipboard").text = text;
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
