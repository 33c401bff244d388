#include "dialogs/frmHelp.h"

#include <array>
#include <string_view>

#include "forms/CentreWindow.h"

namespace textmend {

frmHelp::frmHelp() : DialogForm(HelpLayout()) {}

std::string frmHelp::UsageText() {
    constexpr auto lines = std::to_array<std::string_view>({
        "1. Select your text in the source application.",
        "2. Copy to the system clipboard (Ctrl+c)",
        "3. Set Textmend options",
        "4. Click Textmend Process button",
        "5. Paste into target application (Ctrl+v)",
        "",
        "Textmend is freeware",
    });
    std::string text;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0) {
            text += '\r';
        }
        text += lines[i];
    }
    return text;
}

void frmHelp::SetText(const std::string& text) {
    State("lblText").text = text;
}

void frmHelp::Form_Load(WindowPort& window) {
    CentreWindow(window);
}

bool frmHelp::Click(std::string_view name) {
    if (name == "OKButton") {
        OKButton_Click();
    } else if (name == "CancelButton") {
        CancelButton_Click();
    } else {
        return false;
    }
    return true;
}

}  // namespace textmend
