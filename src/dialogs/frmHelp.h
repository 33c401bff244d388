#pragma once

// The Help dialog: the usage instructions in one label, and two buttons that
// both close it.
//
// Use: the main window builds the dialog, sets its text and hands it to
// ShellPort::ShowModal. The front end creates the window, calls
// Form_Load(window), draws it from the form's state, runs it modally and closes
// it once Unloaded() is true: after Click("OKButton"), Click("CancelButton"),
// or Form_Unload() for the close box.

#include <string>
#include <string_view>

#include "ui/Form.h"
#include "ui/Ports.h"

namespace textmend {

class frmHelp : public Form {
  public:
    frmHelp();

    // The seven lines of instructions, each ended by a single CR but the last.
    static std::string UsageText();

    // Puts text into lblText.
    void SetText(const std::string& text);

    // Centres the dialog on the screen.
    void Form_Load(WindowPort& window);
    void Form_Unload() { unloaded_ = true; }
    void OKButton_Click() { Form_Unload(); }
    void CancelButton_Click() { Form_Unload(); }

    bool Click(std::string_view name) override;
};

}  // namespace textmend
