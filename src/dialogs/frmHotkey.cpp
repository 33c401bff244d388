#include "dialogs/frmHotkey.h"

#include "forms/CentreWindow.h"

namespace textmend {
namespace {

constexpr std::string_view kProposal = "Ctrl+Alt+V";

}  // namespace

std::string HotkeyInUseMessage(const Hotkey& hotkey) {
    return "The hotkey " + HotkeyText(hotkey) + " is in use by another program.";
}

frmHotkey::frmHotkey(std::optional<Hotkey> current, std::function<bool(const Hotkey&)> inUse)
    : DialogForm(HotkeyLayout()), current_(std::move(current)), inUse_(std::move(inUse)) {}

void frmHotkey::Form_Load(WindowPort& window) {
    Show(current_ ? HotkeyText(*current_) : std::string(kProposal));
    CentreWindow(window);
}

void frmHotkey::Change(std::string_view name, const std::string& text) {
    if (name == "hkyHotkey") {
        Show(text);
    }
}

// The key box shows what was pressed; the status line says what is wrong with
// it, and OK takes only a combination the program can hold, or none.
void frmHotkey::Show(const std::string& text) {
    const std::optional<Hotkey> hotkey = ParseHotkey(text);
    State("hkyHotkey").text = hotkey ? HotkeyText(*hotkey) : text;
    const bool typedByPaste = hotkey && TypedByPaste(*hotkey);
    std::string status;
    if (!text.empty() && !hotkey) {
        status = "Choose a combination with Ctrl, Alt or Win.";
    } else if (typedByPaste) {
        status = "The paste itself types " + HotkeyText(*hotkey) + ": choose another combination.";
    } else if (hotkey && hotkey != current_ && inUse_(*hotkey)) {
        status = HotkeyInUseMessage(*hotkey);
    }
    State("lblStatus").text = status;
    State("cmdOK").enabled = text.empty() || (hotkey && !typedByPaste);
}

void frmHotkey::cmdNone_Click() {
    Show("");
}

void frmHotkey::cmdOK_Click() {
    chosen_ = ParseHotkey(Control("hkyHotkey")->text);
    Form_Unload();
}

bool frmHotkey::Click(std::string_view name) {
    if (name != "cmdNone" && name != "cmdOK" && name != "cmdCancel") {
        return false;
    }
    if (!Control(name)->enabled) {
        return true;
    }
    if (name == "cmdNone") {
        cmdNone_Click();
    } else if (name == "cmdOK") {
        cmdOK_Click();
    } else {
        cmdCancel_Click();
    }
    return true;
}

}  // namespace textmend
