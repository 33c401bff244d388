// The commands another start of the program asks for (textmend --process,
// --clean-and-paste, --show), and the same run once when no program runs.

#include <utility>

#include "settings/Settings.h"
#include "ui/frmMain.h"

namespace textmend {
namespace {

// A run that ended early says why (runFailure_); this covers one that did not.
constexpr std::string_view kLeftAsItWas = "the clipboard was left as it was";

}  // namespace

void frmMain::CommandRequest(std::string_view requestLine,
                             const std::function<void(const std::string&)>& answer) {
    const std::optional<ProgramCommand> command = ParseRequest(requestLine);
    if (!command) {
        answer(AnswerLine(CommandAnswer::Failed("unknown request")));
        return;
    }
    RunCommand(*command, [answer](const CommandAnswer& result) { answer(AnswerLine(result)); });
}

// Process asks nothing of the user: no text only beeps, as for the hotkey, and
// the reason goes back to whoever asked.
void frmMain::RunCommand(ProgramCommand command, CommandDone done) {
    if (unloaded_) {
        done(CommandAnswer::Failed("Textmend is closing"));
        return;
    }
    switch (command) {
        case ProgramCommand::Start:
        case ProgramCommand::Show:
            restoreFromTray();
            done(CommandAnswer::Done());
            return;
        case ProgramCommand::Process:
            commandRuns_.push_back(std::move(done));
            pipeline_.Run({.route = ProcessRoute::Remote});
            return;
        case ProgramCommand::CleanAndPaste:
            if (pressFocus_) {
                done(CommandAnswer::Failed("a clean and paste is already under way"));
            } else if (choosingHotkey_) {
                done(CommandAnswer::Failed("the hotkey dialog is open"));
            } else {
                pressDone_ = std::move(done);
                StartPress();
            }
            return;
        case ProgramCommand::Help:
        case ProgramCommand::Version:
            break;
    }
    done(CommandAnswer::Failed("unknown request"));
}

CommandAnswer frmMain::RunAnswer(const ProcessOutcome& outcome) const {
    if (outcome.Put()) {
        return CommandAnswer::Done();
    }
    if (outcome.putFailure) {
        return CommandAnswer::Failed(
            FormatErrorMessage(outcome.putFailure->number(), outcome.putFailure->description()));
    }
    return CommandAnswer::Failed(runFailure_.value_or(std::string(kLeftAsItWas)));
}

void frmMain::PressEnded(const CommandAnswer& run, const std::optional<StepError>& pasteFailure) {
    if (!pressDone_) {
        return;
    }
    const CommandDone done = std::exchange(pressDone_, nullptr);
    if (run.done && pasteFailure) {
        done(CommandAnswer::Failed(
            FormatErrorMessage(pasteFailure->number(), pasteFailure->description())));
    } else {
        done(run);
    }
}

// The window is never loaded: nothing is shown, no timer but the hotkey's
// starts, and Form_Unload saves nothing, so the stored settings stay as they are.
void frmMain::RunOnce(ProgramCommand command, CommandDone done) {
    if (command != ProgramCommand::Process && command != ProgramCommand::CleanAndPaste) {
        done(CommandAnswer::Failed("only --process and --clean-and-paste run without the window"));
        return;
    }
    OptionSet options = CurrentOptions();
    LoadSettings(options, ports_.settings);
    ApplyOptions(options);
    RunCommand(command, std::move(done));
}

}  // namespace textmend
