// The Help dialog: its seven lines, centring, and closing by either button.

#include <gtest/gtest.h>

#include "MainHarness.h"
#include "dialogs/frmHelp.h"

namespace textmend::testing {
namespace {

const std::string kHelpText =
    "1. Select your text in the source application.\r"
    "2. Copy to the system clipboard (Ctrl+c)\r"
    "3. Set Textmend options\r"
    "4. Click Textmend Process button\r"
    "5. Paste into target application (Ctrl+v)\r"
    "\r"
    "Textmend is freeware";

TEST(HelpDialog, HoldsSevenLinesJoinedByALoneCarriageReturn) {
    EXPECT_EQ(frmHelp::UsageText(), kHelpText);
    EXPECT_EQ(frmHelp::UsageText().find('\n'), std::string::npos);
    EXPECT_NE(frmHelp::UsageText().back(), '\r');
}

TEST(HelpDialog, OpensFromTheMenuWithItsTextCentredEveryTime) {
    MainHarness h;
    h.Load();
    int openings = 0;
    h.shell.onHelp = [&](frmHelp& help) {
        ++openings;
        EXPECT_EQ(help.Caption(), "Textmend Help");
        help.Form_Load(h.window);
        EXPECT_EQ(help.Control("lblText")->text, kHelpText);
        ASSERT_TRUE(h.window.position);
        EXPECT_DOUBLE_EQ(h.window.position->first, (28800.0 - 5085.0) / 2);
        EXPECT_DOUBLE_EQ(h.window.position->second, (16200.0 - 4725.0) / 2);
        h.window.position.reset();
        EXPECT_FALSE(help.Unloaded());
        EXPECT_TRUE(help.Click("OKButton"));
        EXPECT_TRUE(help.Unloaded());
    };
    h.form->Click("mnuHelp");
    h.form->Click("mnuHelp");
    EXPECT_EQ(openings, 2);
}

TEST(HelpDialog, EitherButtonOrTheCloseBoxUnloadsIt) {
    for (const char* button : {"OKButton", "CancelButton", ""}) {
        frmHelp help;
        if (*button) {
            EXPECT_TRUE(help.Click(button));
        } else {
            help.Form_Unload();
        }
        EXPECT_TRUE(help.Unloaded()) << button;
    }
}

TEST(HelpDialog, RefusesOtherNames) {
    frmHelp help;
    EXPECT_FALSE(help.Click("lblText"));
    EXPECT_FALSE(help.Click("cmdOK"));
    EXPECT_FALSE(help.Unloaded());
}

}  // namespace
}  // namespace textmend::testing
