// The Process command, whichever route runs it, the clipboard watcher's tick and
// the icon flashing. The runs themselves are the pipeline's
// (clipboard/ClipboardPipeline.h); the window makes the text and shows the end.

#include "engine/ProcessText.h"
#include "ui/frmMain.h"

namespace textmend {

void frmMain::cmdProcess_Click() {
    pipeline_.Run({.route = ProcessRoute::Command});
}

void frmMain::mnuPopProcess_Click() {
    pipeline_.Run({.route = ProcessRoute::Command});
}

// Without a readable text there is nothing to replace the clipboard with: it is
// left as it was.
std::optional<std::string> frmMain::TextToPut(ProcessRoute route, ClipboardRead read) {
    runFailure_.reset();
    if (read.failure) {
        ShowError(*read.failure);
        runFailure_ = FormatErrorMessage(read.failure->number(), read.failure->description());
        return std::nullopt;
    }
    if (!read.content.hasText) {
        runFailure_ = "There is no text on the Clipboard.";
        // A message box would take the focus from where the user types; the
        // start that asked for the run is told instead.
        if (route == ProcessRoute::Hotkey || route == ProcessRoute::Remote) {
            SoundBeep();
        } else {
            ports_.messageBox.Show(*runFailure_, kAppTitle);
        }
        return std::nullopt;
    }
    if (route == ProcessRoute::Restore) {
        return std::move(read.content.text);
    }
    KeepOriginal(std::move(read.content));
    OptionSet options = CurrentOptions();
    if (options.caseMode == CaseMode::None) {
        options.caseMode = CaseMode::Cleanse;
    }
    // The one copy of the text a run makes: the original stays as it was read.
    return ProcessText(
        *original_, options,
        [this](std::int32_t number, const std::string& description) {
            State("txtClipboard").text = FormatErrorMessage(number, description);
        },
        ports_.scratch, IsSet(options.joinwords) ? Dictionary() : nullptr);
}

const WordList* frmMain::Dictionary() {
    if (!dictionary_) {
        dictionary_.emplace();
        if (ports_.dictionary) {
            try {
                *dictionary_ = ports_.dictionary();
            } catch (const StepError&) {
            }
        }
    }
    return dictionary_->get();
}

// The text box shows what was put, or would have been. The watcher's run beeps
// and flashes once the command has ended; the hotkey's pastes what was put.
void frmMain::ProcessEnded(const ProcessOutcome& outcome) {
    if (outcome.emptyFailure) {
        ShowError(*outcome.emptyFailure);
    }
    if (outcome.putFailure) {
        ShowError(*outcome.putFailure);
    }
    if (outcome.text) {
        State("txtClipboard").text = *outcome.text;
    }
    for (const ProcessRoute route : outcome.routes) {
        switch (route) {
            case ProcessRoute::Watcher:
                SoundBeep();
                SetTimerRunning("TimerFlash", true);
                break;
            case ProcessRoute::Hotkey:
                HotkeyRunEnded(outcome.Put(), RunAnswer(outcome));
                break;
            case ProcessRoute::Remote:
                if (!commandRuns_.empty()) {
                    const CommandDone done = std::move(commandRuns_.front());
                    commandRuns_.pop_front();
                    done(RunAnswer(outcome));
                }
                break;
            case ProcessRoute::Command:
            case ProcessRoute::Restore:
                break;
        }
    }
}

void frmMain::TimerClipwatch_Timer() {
    if (!unloaded_) {
        pipeline_.Watch();
    }
}

void frmMain::SoundBeep() {
    try {
        ports_.beep.Beep();
    } catch (const StepError& error) {
        ShowError(error);
    }
}

// The text a Process command read is kept, in memory only, until the next one
// reads another, so that a clean-up that went too far can be taken back.
void frmMain::KeepOriginal(ClipboardContent&& content) {
    original_ = std::move(content.text);
    originalSecret_ = content.secret;
    State("mnuRestoreOriginal").enabled = true;
    State("mnuPopRestoreOriginal").enabled = true;
}

// The original goes back with its secret mark.
void frmMain::mnuRestoreOriginal_Click() {
    if (original_) {
        const ClipboardContent content{
            .hasText = true, .secret = originalSecret_, .text = *original_};
        pipeline_.Run({.route = ProcessRoute::Restore, .read = ClipboardRead{.content = content}});
    }
}

void frmMain::mnuPopRestoreOriginal_Click() {
    mnuRestoreOriginal_Click();
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
