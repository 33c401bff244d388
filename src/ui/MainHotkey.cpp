// The clean-and-paste hotkey: choosing it, holding it system-wide, and what a
// press does.

#include "dialogs/frmHotkey.h"
#include "ui/frmMain.h"

namespace textmend {
namespace {

// Modifier keys still down after this many ticks of TimerHotkey (about a second)
// are released for the user: the paste goes ahead.
constexpr int kModifierTicks = 40;

// The keys the paste typed come back to the platform as key events of their own
// a moment later, and may reach the program as a press of the hotkey; the press
// stays under way for these ticks after the paste, so such a press is ignored.
constexpr int kPasteTicks = 4;

}  // namespace

// While the dialog is open, a press of the combination held is the user
// trying it in the key box: a paste there would type Ctrl+V into the box.
void frmMain::mnuHotkey_Click() {
    frmHotkey dialog(hotkey_, [this](const Hotkey& candidate) { return HotkeyInUse(candidate); });
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
// held again at once. A combination the platform refuses for another reason is
// not said to be another program's: its failure shows once it is chosen. The
// own one that cannot be held again stays chosen, as at start-up.
bool frmMain::HotkeyInUse(const Hotkey& candidate) {
    bool inUse = false;
    try {
        inUse = ports_.hotkey.Register(candidate) == HotkeyPort::Grab::InUse;
    } catch (const StepError&) {
    }
    if (!hotkey_) {
        ports_.hotkey.Unregister();
        return inUse;
    }
    try {
        ports_.hotkey.Register(*hotkey_);
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
    StartPress();
}

void frmMain::StartPress() {
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
    if (pasteTicks_ > 0) {
        if (--pasteTicks_ == 0) {
            SetTimerRunning("TimerHotkey", false);
            pressFocus_.reset();
        }
        return;
    }
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
    pipeline_.Run({.route = ProcessRoute::Hotkey});
}

// The paste's own keys reach the program after Paste returns: the press stays
// under way a few more ticks, so they are not taken for the hotkey again.
void frmMain::HotkeyRunEnded(bool put, const CommandAnswer& run) {
    std::optional<StepError> pasteFailure;
    if (put) {
        pasteFailure = PasteAfterHotkey();
        pasteTicks_ = kPasteTicks;
        SetTimerRunning("TimerHotkey", true);
    }
    if (!Control("TimerHotkey")->enabled) {
        pasteTicks_ = 0;
        pressFocus_.reset();
    }
    PressEnded(run, pasteFailure);
}

// Keys still held would turn the paste into another combination, the hotkey
// itself among them (Ctrl+Alt+V).
std::optional<StepError> frmMain::PasteAfterHotkey() {
    try {
        if (ModifiersDown()) {
            ports_.hotkey.ReleaseModifiers();
        }
        ports_.keyboard.Paste(*pressFocus_);
    } catch (const StepError& error) {
        ShowError(error);
        return error;
    }
    return std::nullopt;
}

}  // namespace textmend
