// The clean-and-paste hotkey: choosing it, holding it system-wide, and what a
// press does.

#include "dialogs/frmHotkey.h"
#include "ui/frmMain.h"

namespace textmend {
namespace {

// Modifier keys still down after this many ticks of TimerHotkey (about a second)
// are taken as let go: the paste goes ahead.
constexpr int kModifierTicks = 40;

constexpr std::string_view kPasteYourself = "Cleaned: press Ctrl+V to paste";

}  // namespace

// While the dialog is open, a press of the combination held is the user
// trying it in the key box: a paste there would type Ctrl+V into the box.
void frmMain::mnuHotkey_Click() {
    frmHotkey dialog(
        hotkey_, [this](const Hotkey& candidate) { return HotkeyInUse(candidate); },
        ports_.hotkey.HeldBy());
    choosingHotkey_ = true;
    ports_.shell.ShowModal(dialog);
    choosingHotkey_ = false;
    if (dialog.Chosen()) {
        hotkey_ = *dialog.Chosen();
        HoldHotkey();
    }
}

// A combination another program holds is said in the text box; the choice is
// kept all the same, so the next start tries again.
void frmMain::HoldHotkey() {
    if (ports_.hotkey.HeldBy() == HotkeyPort::Holder::Nobody) {
        return;
    }
    try {
        if (!hotkey_) {
            ports_.hotkey.Unregister();
        } else if (ports_.hotkey.Register(*hotkey_) == HotkeyPort::Grab::InUse) {
            State("txtClipboard").text = HotkeyInUseMessage(*hotkey_);
        }
    } catch (const StepError& error) {
        ShowError(error);
    }
}

// Tried by holding the candidate for a moment; the program's own combination is
// held again at once. A desktop that binds the keys would ask the user each time.
bool frmMain::HotkeyInUse(const Hotkey& candidate) {
    if (ports_.hotkey.HeldBy() != HotkeyPort::Holder::Program) {
        return false;
    }
    bool inUse = false;
    try {
        inUse = ports_.hotkey.Register(candidate) == HotkeyPort::Grab::InUse;
    } catch (const StepError&) {
    }
    try {
        if (hotkey_) {
            ports_.hotkey.Register(*hotkey_);
        } else {
            ports_.hotkey.Unregister();
        }
    } catch (const StepError&) {
    }
    return inUse;
}

// The paste is typed only once the user has let go of the hotkey's modifiers,
// so it is not read as the hotkey again (Ctrl+Alt+V) or some other combination.
void frmMain::HotkeyPressed() {
    if (!loaded_ || unloaded_ || pressFocus_ || choosingHotkey_) {
        return;
    }
    try {
        pressFocus_ = ports_.keyboard.FocusedWindow();
    } catch (const StepError&) {
        pressFocus_ = 0;
    }
    modifierTicks_ = 0;
    if (!ModifiersDown()) {
        CleanAndPaste();
        return;
    }
    SetTimerRunning("TimerHotkey", true);
    if (!Control("TimerHotkey")->enabled) {
        CleanAndPaste();
    }
}

void frmMain::TimerHotkey_Timer() {
    if (ModifiersDown() && ++modifierTicks_ < kModifierTicks) {
        return;
    }
    SetTimerRunning("TimerHotkey", false);
    CleanAndPaste();
}

bool frmMain::ModifiersDown() {
    try {
        return ports_.hotkey.ModifiersDown();
    } catch (const StepError&) {
        return false;
    }
}

void frmMain::CleanAndPaste() {
    RunProcess(
        {.quietWithoutText = true, .finished = [this](const std::optional<std::string>& put) {
             if (put) {
                 // As after the watcher's own run: Autoprocess leaves it be.
                 watcher_.Remember(*put);
                 PasteAfterHotkey();
             }
             pressFocus_.reset();
         }});
}

void frmMain::PasteAfterHotkey() {
    try {
        ports_.keyboard.Paste(*pressFocus_);
    } catch (const CannotTypeError&) {
        PasteRefused();
    } catch (const StepError& error) {
        ShowError(error);
    }
}

void frmMain::PasteRefused() {
    if (unloaded_) {
        return;
    }
    if (ports_.notice) {
        ports_.notice->Notify(std::string(kPasteYourself));
    } else {
        ports_.beep.Beep();
    }
}

}  // namespace textmend
