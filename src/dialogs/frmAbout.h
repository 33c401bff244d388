#pragma once

// The About dialog: title, version, description and notice, and a button that
// starts the system-information tool. Shown through ShellPort::ShowModal; cmdOK
// answers Enter and Escape.

#include <string_view>

#include "forms/AppVersion.h"
#include "forms/DialogForm.h"
#include "ports/AlertPorts.h"
#include "ports/SystemPort.h"

namespace textmend {

class frmAbout : public DialogForm {
  public:
    frmAbout(SystemPort& system, MessageBoxPort& messages, AppVersion version);

    // Sets the caption, the title and version labels, and centres the dialog.
    void Form_Load(WindowPort& window) override;
    void cmdOK_Click() { Form_Unload(); }
    void cmdSysInfo_Click() { StartSysInfo(); }

    // Starts the system-information tool where the system says it is; says
    // "System Information Is Unavailable At This Time" when it has none, or when
    // it cannot be found or started.
    void StartSysInfo();

    bool Click(std::string_view name) override;

  private:
    void ShowUnavailable();

    SystemPort& system_;
    MessageBoxPort& messages_;
    AppVersion version_;
};

}  // namespace textmend
