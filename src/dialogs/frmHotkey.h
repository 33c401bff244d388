#pragma once

// The clean-and-paste hotkey dialog: a key box that takes the next combination
// the user presses, None to have no hotkey, OK and Cancel. It proposes Ctrl+Alt+V
// when there is no hotkey yet, and says at once when the combination pressed is
// one the program cannot use or another program holds. Where the desktop binds
// the keys it says that the desktop may ask to confirm or change them; where the
// desktop lets no program hold keys it says how to bind the command instead and
// takes no combination. Shown through
// ShellPort::ShowModal; OK answers Enter, Cancel Escape.

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "forms/DialogForm.h"
#include "ports/HotkeyPort.h"
#include "settings/Hotkey.h"

namespace textmend {

class frmHotkey : public DialogForm {
  public:
    // inUse tells whether another program holds a combination right now;
    // holder is who would hold the one chosen.
    frmHotkey(std::optional<Hotkey> current, std::function<bool(const Hotkey&)> inUse,
              HotkeyPort::Holder holder = HotkeyPort::Holder::Program);

    // Shows the current combination or the proposal, and centres the dialog.
    void Form_Load(WindowPort& window) override;
    // The key box took a combination (empty: it was cleared).
    void Change(std::string_view name, const std::string& text) override;
    void cmdNone_Click();
    void cmdOK_Click();
    void cmdCancel_Click() { Form_Unload(); }
    bool Click(std::string_view name) override;

    // Once the dialog has closed with OK: the combination chosen, or nothing
    // for none. Unset when it closed any other way.
    const std::optional<std::optional<Hotkey>>& Chosen() const { return chosen_; }

  private:
    void Show(const std::string& text);

    std::optional<Hotkey> current_;
    std::function<bool(const Hotkey&)> inUse_;
    HotkeyPort::Holder holder_;
    std::optional<std::optional<Hotkey>> chosen_;
};

// What the main window shows when another program holds the combination.
std::string HotkeyInUseMessage(const Hotkey& hotkey);

}  // namespace textmend
