#pragma once

// The About dialog: title, version, description and notice, and a button that
// starts the system-information tool.
//
// Use: the main window builds the dialog and hands it to ShellPort::ShowModal.
// The front end creates the window, calls Form_Load(window), draws it from the
// form's state, runs it modally (cmdOK answers Enter and Escape) and closes it
// once Unloaded() is true: after Click("cmdOK") or Form_Unload() for the close box.

#include <cstdint>
#include <string>
#include <string_view>

#include "ui/AppVersion.h"
#include "ui/Form.h"
#include "ui/Ports.h"

namespace textmend {

class frmAbout : public Form {
  public:
    frmAbout(SystemRegistryPort& registry, SystemPort& system, MessageBoxPort& messages,
             AppVersion version);

    // Sets the caption, the title and version labels, and centres the dialog.
    void Form_Load(WindowPort& window);
    void Form_Unload() { unloaded_ = true; }
    void cmdOK_Click() { Form_Unload(); }
    void cmdSysInfo_Click() { StartSysInfo(); }

    // Locates the system-information tool through the registry and starts it;
    // says "System Information Is Unavailable At This Time" when it cannot.
    void StartSysInfo();

    // Reads valueName of keyName under root into value: text values as they
    // are, 32-bit numbers as "&h" and the hexadecimal digits of their bytes from
    // the last to the first. False, with value emptied, when the key or value
    // cannot be read; other types leave value as it was and count as read.
    bool GetKeyValue(std::uint32_t root, const std::string& keyName, const std::string& valueName,
                     std::string& value);

    bool Click(std::string_view name) override;

  private:
    void ShowUnavailable();

    SystemRegistryPort& registry_;
    SystemPort& system_;
    MessageBoxPort& messages_;
    AppVersion version_;
};

}  // namespace textmend
