// The hotkey and the paste where the desktop, not the program, holds the keys.

#include <gtest/gtest.h>

#include "MainHarness.h"
#include "dialogs/frmHotkey.h"

namespace textmend::testing {
namespace {

using Holder = HotkeyPort::Holder;

// What the dialog shows for a combination pressed, by who would hold it.
TEST(DesktopHotkeyDialog, SaysWhoHoldsTheCombination) {
    const struct {
        Holder holder;
        bool keyBoxEnabled;
        const char* explainHas;  // part of the explanation, "" for the usual one
        const char* status;      // after Ctrl+Alt+X is pressed
    } cases[] = {
        {Holder::Program, true, "", "The hotkey Ctrl+Alt+X is in use by another program."},
        {Holder::Desktop, true, "",
         "The desktop may ask you to confirm or change this combination."},
        {Holder::Nobody, false, "textmend --clean-and-paste", ""},
    };
    const std::string usual(HotkeyLayout().Find("lblExplain")->caption);
    for (const auto& c : cases) {
        MainHarness h;
        h.hotkey.holder = c.holder;
        h.hotkey.inOthers = {"Ctrl+Alt+X"};
        h.settings.StoreText("hotkey", "Ctrl+Alt+V");
        h.Load();
        std::vector<std::string> explain, status;
        bool keyBox = false;
        h.shell.onHotkey = [&](frmHotkey& dialog) {
            dialog.Form_Load(h.window);
            keyBox = dialog.Control("hkyHotkey")->enabled;
            dialog.Change("hkyHotkey", "Ctrl+Alt+X");
            explain.push_back(dialog.Control("lblExplain")->text);
            status.push_back(dialog.Control("lblStatus")->text);
            dialog.Click("cmdOK");
        };
        h.form->Click("mnuHotkey");
        const int holder = static_cast<int>(c.holder);
        EXPECT_EQ(keyBox, c.keyBoxEnabled) << holder;
        if (*c.explainHas == '\0') {
            EXPECT_EQ(explain.at(0), usual) << holder;
        } else {
            EXPECT_NE(explain.at(0).find(c.explainHas), std::string::npos) << holder;
        }
        EXPECT_EQ(status.at(0), c.status) << holder;
    }
}

// Trying a combination through the desktop would ask the user every time; where
// nobody can hold it nothing is asked for at all.
TEST(DesktopHotkey, NothingIsTriedAndOnlyTheChoiceIsHeld) {
    MainHarness desktop;
    desktop.hotkey.holder = Holder::Desktop;
    desktop.settings.StoreText("hotkey", "Ctrl+Alt+V");
    desktop.Load();
    desktop.shell.onHotkey = [](frmHotkey& dialog) {
        dialog.Change("hkyHotkey", "Ctrl+Alt+X");
        dialog.Change("hkyHotkey", "Ctrl+Alt+Y");
        dialog.Click("cmdOK");
    };
    desktop.form->Click("mnuHotkey");
    EXPECT_FALSE(desktop.Journaled("hold Ctrl+Alt+X"));
    EXPECT_EQ(desktop.hotkey.held, "Ctrl+Alt+Y");

    MainHarness nobody;
    nobody.hotkey.holder = Holder::Nobody;
    nobody.settings.StoreText("hotkey", "Ctrl+Alt+V");
    nobody.Load();
    nobody.shell.onHotkey = [](frmHotkey& dialog) { dialog.Click("cmdOK"); };
    nobody.form->Click("mnuHotkey");
    EXPECT_FALSE(nobody.Journaled("hold Ctrl+Alt+V"));
    nobody.form->Form_Unload();
    EXPECT_EQ(nobody.settings.written["hotkey"], "Ctrl+Alt+V") << "kept for an X11 session";
}

// Whether the keyboard says so at once or the desktop refuses later, the text
// stays cleaned on the clipboard and the user is told to paste it.
TEST(PasteFallback, TheCleanedTextIsLeftWithANotice) {
    MainHarness h;
    h.settings.StoreText("hotkey", "Ctrl+Alt+V");
    h.Load();
    h.ChooseOptions("optUpper", {});
    h.clipboard.Copy("some text");
    h.keyboard.cannotType = true;
    h.form->HotkeyPressed();
    EXPECT_EQ(h.clipboard.Text(), "SOME TEXT");
    EXPECT_EQ(h.Text("txtClipboard"), "SOME TEXT") << "no error";
    EXPECT_EQ(h.notice.notices, std::vector<std::string>{"Cleaned: press Ctrl+V to paste"});

    h.keyboard.cannotType = false;
    h.form->HotkeyPressed();
    ASSERT_EQ(h.keyboard.pastes.size(), 1u);
    h.form->PasteRefused();
    EXPECT_EQ(h.notice.notices.size(), 2u);
    h.form->Form_Unload();
    h.form->PasteRefused();
    EXPECT_EQ(h.notice.notices.size(), 2u) << "nothing once unloaded";
}

}  // namespace
}  // namespace textmend::testing
