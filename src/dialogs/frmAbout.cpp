#include "dialogs/frmAbout.h"

#include <string>

#include "forms/CentreWindow.h"

namespace textmend {

frmAbout::frmAbout(SystemPort& system, MessageBoxPort& messages, AppVersion version)
    : DialogForm(AboutLayout()), system_(system), messages_(messages), version_(version) {}

void frmAbout::Form_Load(WindowPort& window) {
    caption_ = std::string("About ") + kAppTitle;
    State("lblVersion").text = "Version " + VersionText(version_);
    State("lblTitle").text = kAppTitle;
    CentreWindow(window);
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

void frmAbout::StartSysInfo() {
    try {
        const std::optional<std::string> path = system_.FindSysInfoTool();
        if (!path || path->empty()) {
            ShowUnavailable();
            return;
        }
        system_.StartProgram(*path);
    } catch (const StepError&) {
        ShowUnavailable();
    }
}

void frmAbout::ShowUnavailable() {
    messages_.Show("System Information Is Unavailable At This Time", kAppTitle);
}

}  // namespace textmend
