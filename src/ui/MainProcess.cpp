// The Process command, the clipboard watcher's tick and the icon flashing.
//
// The clipboard is read and written in the background (ClipboardPort), so the
// Process command runs in steps: it asks for a read, processes what the read
// found, asks for the write, and ends when the write is done. One run at a time;
// one read at a time, which the watcher and a run may share.

#include "engine/ProcessText.h"
#include "ui/frmMain.h"

namespace textmend {

void frmMain::cmdProcess_Click() {
    RunProcess({});
}

void frmMain::mnuPopProcess_Click() {
    RunProcess({});
}

void frmMain::RunProcess(ProcessRun run) {
    if (running_) {
        waiting_.push_back(std::move(run));
        return;
    }
    running_ = std::move(run);
    runFailure_.reset();
    if (running_->restore) {
        RestoreOriginal(*running_->restore);
        return;
    }
    if (running_->read) {
        ProcessRead(*running_->read);
        return;
    }
    running_->waitingForRead = true;
    reads_.Request([this](const ClipboardRead& read) { ProcessRead(read); });
}

void frmMain::ProcessRead(const ClipboardRead& read) {
    if (unloaded_) {
        return;
    }
    running_->waitingForRead = false;
    // Without a readable text there is nothing to replace the clipboard with:
    // it is left as it was.
    if (read.failure) {
        ShowError(*read.failure);
        runFailure_ = FormatErrorMessage(read.failure->number(), read.failure->description());
        FinishProcess(std::nullopt);
        return;
    }
    if (!read.content.hasText) {
        runFailure_ = "There is no text on the Clipboard.";
        if (running_->quietWithoutText) {
            SoundBeep();
        } else {
            ports_.messageBox.Show(*runFailure_, kAppTitle);
        }
        FinishProcess(std::nullopt);
        return;
    }
    KeepOriginal(read.content.text);
    OptionSet options = CurrentOptions();
    if (options.caseMode == CaseMode::None) {
        options.caseMode = CaseMode::Cleanse;
    }
    std::string result = ProcessText(
        read.content.text, options,
        [this](std::int32_t number, const std::string& description) {
            State("txtClipboard").text = FormatErrorMessage(number, description);
        },
        ports_.scratch);
    WriteAndFinish(std::move(result), false);
}

// Empties the clipboard, puts text on it and shows it in the text box; the run
// ends when that is done. remember: the watcher takes text as seen.
void frmMain::WriteAndFinish(std::string text, bool remember) {
    ports_.clipboard.Write(
        text, [this, text, remember](const std::optional<StepError>& emptyFailure,
                                     const std::optional<StepError>& putFailure) {
            if (unloaded_) {
                return;
            }
            if (emptyFailure) {
                ShowError(*emptyFailure);
            }
            if (putFailure) {
                ShowError(*putFailure);
                runFailure_ = FormatErrorMessage(putFailure->number(), putFailure->description());
            }
            State("txtClipboard").text = text;
            if (remember && !putFailure) {
                watcher_.Remember(text);
            }
            FinishProcess(putFailure ? std::nullopt : std::optional<std::string>(text));
        });
}

void frmMain::FinishProcess(const std::optional<std::string>& put) {
    const ProcessRun finished = std::move(*running_);
    running_.reset();
    if (finished.finished) {
        finished.finished(put);
    }
    if (finished.alsoForWatcher) {
        WatcherProcessed(put);
    }
    if (!waiting_.empty() && !unloaded_) {
        ProcessRun next = std::move(waiting_.front());
        waiting_.pop_front();
        RunProcess(std::move(next));
    }
}

// A tick reads the clipboard only when it has changed since the watcher last
// looked, and never while the clipboard is being read or written: an owner that
// does not answer is asked once per content, not once a second.
void frmMain::TimerClipwatch_Timer() {
    if (unloaded_ || reads_.Pending() || running_) {
        return;
    }
    const std::uint64_t changeCount = ports_.clipboard.ChangeCount();
    if (!watcher_.Changed(changeCount)) {
        return;
    }
    watcher_.Looking(changeCount);
    reads_.Request([this](const ClipboardRead& read) { WatcherRead(read); });
}

void frmMain::WatcherRead(const ClipboardRead& read) {
    if (unloaded_) {
        return;
    }
    if (read.failure) {
        ShowError(*read.failure);
    }
    if (!watcher_.SeeContent(read.content, read.failure) || !autoprocess()) {
        return;
    }
    // A Process command that waits for this very read does the work; the watcher
    // only adds its own ending.
    if (running_ && running_->waitingForRead) {
        running_->alsoForWatcher = true;
        return;
    }
    RunProcess({.read = read, .finished = [this](const std::optional<std::string>& put) {
                    WatcherProcessed(put);
                }});
}

// The watcher remembers the command's own result, so the next tick does not take
// it for a new copy and process it again. The command has ended before the beep.
void frmMain::WatcherProcessed(const std::optional<std::string>& put) {
    if (put) {
        watcher_.Remember(*put);
    }
    SoundBeep();
    SetTimerRunning("TimerFlash", true);
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
void frmMain::KeepOriginal(const std::string& text) {
    original_ = text;
    State("mnuRestoreOriginal").enabled = true;
    State("mnuPopRestoreOriginal").enabled = true;
}

void frmMain::mnuRestoreOriginal_Click() {
    if (original_) {
        RunProcess({.restore = *original_});
    }
}

void frmMain::mnuPopRestoreOriginal_Click() {
    mnuRestoreOriginal_Click();
}

// The watcher remembers the restored text, so Autoprocess does not clean it again.
void frmMain::RestoreOriginal(const std::string& text) {
    WriteAndFinish(text, true);
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
