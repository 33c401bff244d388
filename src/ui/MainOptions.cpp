// The case options, the clean-up boxes, their popup twins, Restore defaults and
// Start with the system.
// The controls hold the options; the popup items only mirror them.

#include "ui/OptionControls.h"
#include "ui/frmMain.h"

namespace textmend {
namespace {

constexpr int ToValue(CheckState state) {
    return static_cast<int>(state);
}

constexpr CheckState ToCheckState(int value) {
    return value == 1 ? CheckState::Set : value == 2 ? CheckState::Grayed : CheckState::Clear;
}

}  // namespace

OptionSet frmMain::CurrentOptions() const {
    OptionSet options;
    options.caseMode = CaseMode::None;
    for (const CaseControl& control : kCaseControls) {
        if (Value(control.option) == 1) {
            options.caseMode = control.mode;
            break;
        }
    }
    for (const FlagControl& control : kFlagControls) {
        options.*control.flag = ToCheckState(Value(control.box));
    }
    options.start = Value("mnuStartintaskbar") == 1;
    options.autoprocess = autoprocess();
    return options;
}

void frmMain::ApplyOptions(const OptionSet& options) {
    for (const CaseControl& control : kCaseControls) {
        State(control.option).value = options.caseMode == control.mode ? 1 : 0;
    }
    for (const FlagControl& control : kFlagControls) {
        State(control.box).value = ToValue(options.*control.flag);
    }
    SetMark("mnuStartintaskbar", "mnuPopStartintaskbar", options.start ? 1 : 0);
}

bool frmMain::autoprocess() const {
    return Value("mnuAutoprocess") == 1;
}

void frmMain::syncMenus() {
    for (const CaseControl& control : kCaseControls) {
        State(control.item).value = Value(control.option);
    }
    for (const FlagControl& control : kFlagControls) {
        State(control.item).value = Value(control.box) == 1 ? 1 : 0;
    }
    RemoveReturnsRule();
}

// Remove rtns 2X and Keep list items mean something only on top of Remove
// returns: without it, their boxes and items take no clicks and the items show
// no mark.
void frmMain::RemoveReturnsRule() {
    const bool allowed = Value("chkRemCRs") == 1;
    for (const FlagControl& control : kRemoveReturnsRefinements) {
        State(control.box).enabled = allowed;
        ControlState& item = State(control.item);
        item.enabled = allowed;
        if (!allowed) {
            item.value = 0;
        }
    }
}

void frmMain::SelectCase(std::string_view optionName) {
    for (const CaseControl& control : kCaseControls) {
        State(control.option).value = control.option == optionName ? 1 : 0;
    }
    syncMenus();
}

void frmMain::ToggleBox(std::string_view boxName) {
    ControlState& box = State(boxName);
    if (!box.enabled) {
        return;
    }
    // A grayed box counts as clear, so a click turns it on.
    box.value = box.value == 1 ? 0 : 1;
    // Clearing Remove returns clears what refines it.
    if (boxName == "chkRemCRs" && box.value == 0) {
        for (const FlagControl& control : kRemoveReturnsRefinements) {
            State(control.box).value = 0;
        }
    }
    syncMenus();
}

// Remove returns keeps its value, and with it the state of Remove rtns 2X;
// Start in taskbar is no processing option.
void frmMain::mnuRestore_Click() {
    const OptionSet current = CurrentOptions();
    OptionSet restored = DefaultOptions();
    restored.remcrs = current.remcrs;
    restored.start = current.start;
    ApplyOptions(restored);
    syncMenus();
}

void frmMain::Menu_Open(std::string_view menuName) {
    if (menuName != "Options" || unloaded_) {
        return;
    }
    try {
        State("mnuStartwithsystem").value = ports_.autostart.IsEnabled() ? 1 : 0;
    } catch (const StepError& error) {
        ShowError(error);
    }
}

void frmMain::mnuStartwithsystem_Click() {
    try {
        if (Value("mnuStartwithsystem") == 1) {
            ports_.autostart.Disable();
        } else {
            ports_.autostart.Enable();
        }
    } catch (const StepError& error) {
        ShowError(error);
    }
    Menu_Open("Options");
}

}  // namespace textmend
