#include "dialogs/frmAbout.h"

#include "ui/CentreWindow.h"

namespace textmend {
namespace {

constexpr const char* kAppTitle = "Textmend";

}  // namespace

frmAbout::frmAbout(SystemRegistryPort& registry, SystemPort& system, MessageBoxPort& messages,
                   AppVersion version)
    : Form(AboutLayout()),
      registry_(registry),
      system_(system),
      messages_(messages),
      version_(version) {}

void frmAbout::Form_Load(WindowPort& window) {
    caption_ = std::string("About ") + kAppTitle;
    State("lblVersion").text = "Version " + std::to_string(version_.major) + "." +
                               std::to_string(version_.minor) + "." +
                               std::to_string(version_.revision);
    State("lblTitle").text = kAppTitle;
    try {
        CentreWindow(window);
    } catch (const StepError&) {
        // A dialog that cannot be moved opens where the platform puts it.
    }
}

bool frmAbout::Click(std::string_view name) {
    if (name == "cmdOK") {
        cmdOK_Click();
    } else if (name == "cmdSysInfo") {
        cmdSysInfo_Click();
    } else {
        return false;
    }
    return true;
}

void frmAbout::ShowUnavailable() {
    messages_.Show("System Information Is Unavailable At This Time", kAppTitle);
}

}  // namespace textmend
