// The Process command, the clipboard watcher's tick and the icon flashing.

#include "engine/ProcessText.h"
#include "ui/frmMain.h"

namespace textmend {

std::optional<std::string> frmMain::ProcessClipboard() {
    std::string text;
    // Without a readable text there is nothing to replace the clipboard with:
    // it is left as it was.
    try {
        if (!ports_.clipboard.HasText()) {
            ports_.messageBox.Show("There is no text on the Clipboard.", kAppTitle);
            return std::nullopt;
        }
        text = ports_.clipboard.ReadText();
    } catch (const StepError& error) {
        ShowError(error);
        return std::nullopt;
    }
    OptionSet options = CurrentOptions();
    if (options.caseMode == CaseMode::None) {
        options.caseMode = CaseMode::Cleanse;
    }
    const std::string result = ProcessText(
        text, options,
        [this](std::int32_t number, const std::string& description) {
            State("txtClipboard").text = FormatErrorMessage(number, description);
        },
        ports_.scratch);
    bool put = false;
    try {
        ports_.clipboard.Empty();
    } catch (const StepError& error) {
        ShowError(error);
    }
    try {
        ports_.clipboard.PutText(result);
        put = true;
    } catch (const StepError& error) {
        ShowError(error);
    }
    State("txtClipboard").text = result;
    if (!put) {
        return std::nullopt;
    }
    return result;
}

void frmMain::cmdProcess_Click() {
    ProcessClipboard();
}
void frmMain::mnuPopProcess_Click() {
    ProcessClipboard();
}

void frmMain::TimerClipwatch_Timer() {
    if (unloaded_) {
        return;
    }
    if (!watcher_.SeeNewText([this](const StepError& error) { ShowError(error); })) {
        return;
    }
    if (!autoprocess()) {
        return;
    }
    // The watcher remembers the command's own result, so the next tick does
    // not take it for a new copy and process it again.
    if (std::optional<std::string> put = ProcessClipboard()) {
        watcher_.Remember(std::move(*put));
    }
    try {
        ports_.beep.Beep();
    } catch (const StepError& error) {
        ShowError(error);
    }
    SetTimerRunning("TimerFlash", true);
}

void frmMain::TimerFlash_Timer() {
    if (unloaded_) {
        return;
    }
    const FlashStep step = flasher_.Tick();
    if (step.image == TrayImage::Normal) {
        iconNormal();
    } else {
        iconAutoprocess();
    }
    if (step.stopTimer) {
        SetTimerRunning("TimerFlash", false);
    }
}

}  // namespace textmend
