// The case options, the clean-up boxes, their popup twins and Restore defaults.
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
    const bool returnsRemoved = Value("chkRemCRs") == 1;
    for (const FlagControl& control : kFlagControls) {
        State(control.item).value = Value(control.box) == 1 ? 1 : 0;
    }
    // Remove rtns 2X only means something on top of Remove returns.
    ControlState& twice = State("mnuRemCRdbl");
    twice.enabled = returnsRemoved;
    if (!returnsRemoved) {
        twice.value = 0;
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
    if (boxName == "chkRemCRs") {
        RemoveReturnsRule();
    } else {
        syncMenus();
    }
}

void frmMain::RemoveReturnsRule() {
    ControlState& twice = State("chkRemCRdbl");
    if (Value("chkRemCRs") == 1) {
        twice.enabled = true;
    } else {
        twice.enabled = false;
        twice.value = 0;
    }
    syncMenus();
}

void frmMain::mnuRestore_Click() {
    SelectCase("optClean");
    State("chkDblspc").value = 1;
    State("chkSentence").value = 0;
    State("chkNoblanks").value = 1;
    State("chkTrimCR").value = 1;
    State("chkRemCRdbl").value = 0;
    State("chkRemGT").value = 0;
    syncMenus();
}

void frmMain::optClean_Click() {
    SelectCase("optClean");
}
void frmMain::optUpper_Click() {
    SelectCase("optUpper");
}
void frmMain::optLower_Click() {
    SelectCase("optLower");
}
void frmMain::optProper_Click() {
    SelectCase("optProper");
}
void frmMain::mnuClean_Click() {
    SelectCase("optClean");
}
void frmMain::mnuUpper_Click() {
    SelectCase("optUpper");
}
void frmMain::mnuLower_Click() {
    SelectCase("optLower");
}
void frmMain::mnuProper_Click() {
    SelectCase("optProper");
}

void frmMain::chkDblspc_Click() {
    ToggleBox("chkDblspc");
}
void frmMain::chkNoblanks_Click() {
    ToggleBox("chkNoblanks");
}
void frmMain::chkTrimCR_Click() {
    ToggleBox("chkTrimCR");
}
void frmMain::chkRemCRs_Click() {
    ToggleBox("chkRemCRs");
}
void frmMain::chkRemCRdbl_Click() {
    ToggleBox("chkRemCRdbl");
}
void frmMain::chkSentence_Click() {
    ToggleBox("chkSentence");
}
void frmMain::chkRemGT_Click() {
    ToggleBox("chkRemGT");
}
void frmMain::mnuDblspc_Click() {
    ToggleBox("chkDblspc");
}
void frmMain::mnuNoblanks_Click() {
    ToggleBox("chkNoblanks");
}
void frmMain::mnuTrimCR_Click() {
    ToggleBox("chkTrimCR");
}
void frmMain::mnuRemCRs_Click() {
    ToggleBox("chkRemCRs");
}
void frmMain::mnuRemCRdbl_Click() {
    ToggleBox("chkRemCRdbl");
}
void frmMain::mnuSentence_Click() {
    ToggleBox("chkSentence");
}
void frmMain::mnuRemGT_Click() {
    ToggleBox("chkRemGT");
}

}  // namespace textmend
