#pragma once

// The Help dialog: the usage instructions in one label, and two buttons that
// both close it. The main window sets the text, then shows it through
// ShellPort::ShowModal; neither button answers Enter or Escape.

#include <string>
#include <string_view>

#include "forms/DialogForm.h"

namespace textmend {

class frmHelp : public DialogForm {
  public:
    frmHelp();

    // The seven lines of instructions, each ended by a single CR but the last.
    static std::string UsageText();

    // Puts text into lblText.
    void SetText(const std::string& text);

    // Centres the dialog on the screen.
    void Form_Load(WindowPort& window) override;
    void OKButton_Click() { Form_Unload(); }
    void CancelButton_Click() { Form_Unload(); }

    bool Click(std::string_view name) override;
};

}  // namespace textmend
