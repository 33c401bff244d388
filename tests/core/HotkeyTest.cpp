// The clean-and-paste hotkey and Restore original.

#include <gtest/gtest.h>

#include "MainHarness.h"
#include "dialogs/frmHotkey.h"

namespace textmend::testing {
namespace {

struct Pressing {
    MainHarness h;
    Pressing() {
        h.settings.StoreText("hotkey", "Ctrl+Alt+V");
        h.Load();
        h.ChooseOptions("optUpper", {});
    }
    // Presses the hotkey and lets the modifier keys go after ticks ticks.
    void Press(int ticksHeld = 0) {
        h.hotkey.modifiersDown = ticksHeld > 0;
        h.form->HotkeyPressed();
        for (int tick = 0; tick < ticksHeld && h.timers.Running("TimerHotkey"); ++tick) {
            h.hotkey.modifiersDown = tick + 1 < ticksHeld;
            h.form->Tick("TimerHotkey");
        }
    }
    // Ticks until the press is over, the paste's own keys included.
    void Settle() {
        for (int tick = 0; tick < 10 && h.timers.Running("TimerHotkey"); ++tick) {
            h.form->Tick("TimerHotkey");
        }
        EXPECT_FALSE(h.timers.Running("TimerHotkey"));
    }
};

TEST(HotkeyAtStart, IsHeldWhenStoredAndNoneIsGrabbedOtherwise) {
    Pressing p;
    EXPECT_EQ(p.h.hotkey.held, "Ctrl+Alt+V");
    MainHarness none;
    none.Load();
    EXPECT_FALSE(none.hotkey.held);
    EXPECT_FALSE(none.Journaled("let go"));
}

// A combination the paste types would press the hotkey again with every paste.
TEST(HotkeyAtStart, AStoredCtrlVIsNotHeld) {
    MainHarness h;
    h.settings.StoreText("hotkey", "Ctrl+V");
    h.Load();
    EXPECT_FALSE(h.hotkey.held);
}

TEST(HotkeyAtStart, ACombinationInUseIsSaidAndStaysStored) {
    MainHarness h;
    h.settings.StoreText("hotkey", "Ctrl+Alt+V");
    h.hotkey.inOthers = {"Ctrl+Alt+V"};
    h.Load();
    EXPECT_EQ(h.Text("txtClipboard"), "The hotkey Ctrl+Alt+V is in use by another program.");
    h.form->Form_Unload();
    EXPECT_EQ(h.settings.written["hotkey"], "Ctrl+Alt+V") << "the next start tries again";
}

TEST(HotkeyPress, WaitsForTheModifiersThenProcessesAndPastesWhereTheFocusWas) {
    Pressing p;
    p.h.clipboard.Copy("some text");
    p.h.hotkey.modifiersDown = true;
    p.h.form->HotkeyPressed();
    p.h.keyboard.focused = 0x999;  // the focus moving meanwhile changes nothing
    p.h.form->Tick("TimerHotkey");
    EXPECT_EQ(p.h.clipboard.reads, 0) << "the modifiers are still down";
    p.h.hotkey.modifiersDown = false;
    p.h.form->Tick("TimerHotkey");
    EXPECT_EQ(p.h.clipboard.Text(), "SOME TEXT");
    EXPECT_EQ(p.h.Text("txtClipboard"), "SOME TEXT");
    EXPECT_EQ(p.h.keyboard.pastes, std::vector<std::uintptr_t>{0x4711});
    EXPECT_LT(p.h.JournalIndex("clipboard put SOME TEXT"), p.h.JournalIndex("paste"));
    EXPECT_FALSE(p.h.Journaled("release modifiers")) << "the user let go";
    p.Settle();
    EXPECT_EQ(p.h.form->lastClipText(), "SOME TEXT") << "Autoprocess leaves it be";
    EXPECT_TRUE(p.h.window.visible);
    EXPECT_EQ(p.h.beep.beeps, 0);
}

TEST(HotkeyPress, GoesAheadAfterASecondOfModifiersHeldDown) {
    Pressing p;
    p.h.clipboard.Copy("held");
    p.h.hotkey.modifiersDown = true;
    p.h.form->HotkeyPressed();
    int ticks = 0;
    while (p.h.keyboard.pastes.empty() && ticks < 100) {
        p.h.form->Tick("TimerHotkey");
        ++ticks;
    }
    EXPECT_EQ(ticks * 25, 1000);  // TimerHotkey ticks every 25 ms
}

// Typed with Alt still down, the paste would arrive as Ctrl+Alt+V, the hotkey
// itself: another run would clean the cleaned text and Restore original lose the copy.
TEST(HotkeyPress, ModifiersHeldPastTheWaitAreReleasedBeforeThePaste) {
    Pressing p;
    p.h.clipboard.Copy("held");
    bool typedWithModifiers = false;
    p.h.keyboard.onPaste = [&] { typedWithModifiers = p.h.hotkey.modifiersDown; };
    p.Press(100);
    p.Settle();
    if (typedWithModifiers) {
        p.Press(100);
        p.Settle();
    }
    EXPECT_EQ(p.h.keyboard.pastes.size(), 1u);
    EXPECT_LT(p.h.JournalIndex("release modifiers"), p.h.JournalIndex("paste"));
    EXPECT_EQ(p.h.form->originalText(), "held");
    p.h.form->Click("mnuRestoreOriginal");
    EXPECT_EQ(p.h.clipboard.Text(), "held");
}

TEST(HotkeyPress, WithoutTextOnlyBeepsAndPastesNothing) {
    Pressing p;
    p.h.clipboard.CopyPicture();
    p.Press();
    EXPECT_EQ(p.h.beep.beeps, 1);
    EXPECT_TRUE(p.h.messageBox.shown.empty());
    EXPECT_TRUE(p.h.keyboard.pastes.empty());
}

TEST(HotkeyPress, PastesNothingWhenTheResultCouldNotBePut) {
    Pressing p;
    p.h.clipboard.Copy("text");
    p.h.clipboard.failPut = Failure();
    p.Press();
    EXPECT_TRUE(p.h.keyboard.pastes.empty());
    EXPECT_EQ(p.h.Text("txtClipboard"), "TEXT");
}

TEST(HotkeyPress, APressWhileOneIsUnderWayIsIgnored) {
    Pressing p;
    p.h.clipboard.Copy("text");
    p.h.clipboard.holdReads = true;
    p.Press();
    p.Press();
    EXPECT_EQ(p.h.clipboard.reads, 1);
    p.h.clipboard.FinishRead();
    EXPECT_EQ(p.h.keyboard.pastes.size(), 1u);
    p.h.clipboard.holdReads = false;
    p.Settle();
    p.Press();
    EXPECT_EQ(p.h.keyboard.pastes.size(), 2u) << "the next press works again";
}

// The paste's own keys come back as key events a moment after they were typed:
// a press then is the paste's, not the user's.
TEST(HotkeyPress, APressJustAfterThePasteIsTheTypedKeysAndIsIgnored) {
    Pressing p;
    p.h.clipboard.Copy("text");
    p.Press();
    ASSERT_EQ(p.h.keyboard.pastes.size(), 1u);
    p.Press();
    EXPECT_EQ(p.h.clipboard.reads, 1);
    EXPECT_EQ(p.h.keyboard.pastes.size(), 1u);
    p.Settle();
    p.Press();
    EXPECT_EQ(p.h.keyboard.pastes.size(), 2u) << "a press after that is the user's again";
}

TEST(HotkeyDialog, ProposesCtrlAltVAndSaysWhatCannotBeUsed) {
    frmHotkey dialog(std::nullopt, [&](const Hotkey& k) { return HotkeyText(k) == "Ctrl+Alt+X"; });
    Journal journal;
    FakeWindow window(journal);
    dialog.Form_Load(window);
    EXPECT_EQ(dialog.Control("hkyHotkey")->text, "Ctrl+Alt+V");
    const struct {
        const char* pressed;
        const char* shown;
        const char* status;
        bool okEnabled;
    } cases[] = {
        {"alt+ctrl+f5", "Ctrl+Alt+F5", "", true},
        {"Shift+A", "Shift+A", "Choose a combination with Ctrl, Alt or Win.", false},
        {"Shift+Insert", "Shift+Insert", "Choose a combination with Ctrl, Alt or Win.", false},
        {"ctrl+v", "Ctrl+V", "The paste itself types Ctrl+V: choose another combination.", false},
        {"Ctrl+Alt+X", "Ctrl+Alt+X", "The hotkey Ctrl+Alt+X is in use by another program.", true},
        {"", "", "", true},
    };
    for (const auto& c : cases) {
        dialog.Change("hkyHotkey", c.pressed);
        EXPECT_EQ(dialog.Control("hkyHotkey")->text, c.shown) << c.pressed;
        EXPECT_EQ(dialog.Control("lblStatus")->text, c.status) << c.pressed;
        EXPECT_EQ(dialog.Control("cmdOK")->enabled, c.okEnabled) << c.pressed;
    }
}

TEST(HotkeyDialog, OkHoldsTheNewCombinationNoneLetsGoCancelKeepsTheOld) {
    Pressing p;
    p.h.shell.onHotkey = [](frmHotkey& dialog) {
        dialog.Change("hkyHotkey", "Ctrl+Shift+F9");
        dialog.Click("cmdOK");
    };
    p.h.form->Click("mnuHotkey");
    EXPECT_EQ(p.h.hotkey.held, "Ctrl+Shift+F9");
    p.h.shell.onHotkey = [](frmHotkey& dialog) {
        dialog.Change("hkyHotkey", "Ctrl+Alt+B");
        dialog.Click("cmdCancel");
    };
    p.h.form->Click("mnuHotkey");
    EXPECT_EQ(p.h.hotkey.held, "Ctrl+Shift+F9");
    p.h.shell.onHotkey = [](frmHotkey& dialog) {
        dialog.Click("cmdNone");
        dialog.Click("cmdOK");
    };
    p.h.form->Click("mnuHotkey");
    EXPECT_FALSE(p.h.hotkey.held);
    p.h.form->Form_Unload();
    EXPECT_EQ(p.h.settings.written["hotkey"], "");
}

// Asking whether another program holds a combination must not cost the program
// its own.
TEST(HotkeyDialog, TryingACombinationKeepsTheOneHeld) {
    Pressing p;
    p.h.hotkey.inOthers = {"Ctrl+Alt+X"};
    p.h.shell.onHotkey = [](frmHotkey& dialog) {
        dialog.Change("hkyHotkey", "Ctrl+Alt+X");
        dialog.Change("hkyHotkey", "Ctrl+Alt+Y");
        dialog.Click("cmdCancel");
    };
    p.h.form->Click("mnuHotkey");
    EXPECT_EQ(p.h.hotkey.held, "Ctrl+Alt+V");
}

// A refusal for another reason is no other program's hold; when the own
// combination cannot be held again, none is held, and the dialog goes on.
TEST(HotkeyDialog, ACombinationThePlatformRefusesIsNotSaidToBeInUse) {
    const struct {
        const char* refused;
        std::optional<std::string> heldAfter;
    } cases[] = {{"Ctrl+Alt+X", "Ctrl+Alt+V"}, {"Ctrl+Alt+V", std::nullopt}};
    for (const auto& c : cases) {
        Pressing p;
        p.h.hotkey.refused = {c.refused};
        std::string status = "unset";
        p.h.shell.onHotkey = [&status](frmHotkey& dialog) {
            dialog.Change("hkyHotkey", "Ctrl+Alt+X");
            status = dialog.Control("lblStatus")->text;
            dialog.Click("cmdCancel");
        };
        p.h.form->Click("mnuHotkey");
        EXPECT_EQ(status, "") << c.refused;
        EXPECT_EQ(p.h.hotkey.held, c.heldAfter) << c.refused;
    }
}

TEST(HotkeyDialog, APressWhileItIsOpenPastesNothingIntoIt) {
    Pressing p;
    p.h.clipboard.Copy("text");
    p.h.shell.onHotkey = [&p](frmHotkey& dialog) {
        p.Press();
        dialog.Click("cmdCancel");
    };
    p.h.form->Click("mnuHotkey");
    EXPECT_EQ(p.h.clipboard.reads, 0);
    EXPECT_TRUE(p.h.keyboard.pastes.empty());
    p.Press();
    EXPECT_EQ(p.h.keyboard.pastes.size(), 1u) << "once it has closed, a press works again";
}

TEST(RestoreOriginal, IsOffUntilAProcessCommandHasReadATextThenPutsItBack) {
    MainHarness h;
    h.Load();
    h.ChooseOptions("optUpper", {});
    EXPECT_FALSE(h.Enabled("mnuRestoreOriginal"));
    EXPECT_FALSE(h.Enabled("mnuPopRestoreOriginal"));
    h.clipboard.Copy("Mixed Case");
    h.form->Click("cmdProcess");
    ASSERT_EQ(h.clipboard.Text(), "MIXED CASE");
    EXPECT_TRUE(h.Enabled("mnuRestoreOriginal"));
    h.form->Click("mnuPopRestoreOriginal");
    EXPECT_EQ(h.clipboard.Text(), "Mixed Case");
    EXPECT_EQ(h.Text("txtClipboard"), "Mixed Case");
}

// Whichever way the command ran, the text it read comes back, and Autoprocess
// does not clean it again.
TEST(RestoreOriginal, AfterEveryRouteAndWithAutoprocessOn) {
    const std::function<void(MainHarness&)> routes[] = {
        [](MainHarness& h) { h.form->Click("cmdProcess"); },
        [](MainHarness& h) { h.form->Click("mnuPopProcess"); },
        [](MainHarness& h) { h.form->Tick("TimerClipwatch"); },
        [](MainHarness& h) { h.form->HotkeyPressed(); },
    };
    for (std::size_t route = 0; route < std::size(routes); ++route) {
        MainHarness h;
        h.settings.StoreText("hotkey", "Ctrl+Alt+V");
        h.Load();
        h.ChooseOptions("optUpper", {});
        h.form->Click("mnuAutoprocess");
        h.clipboard.Copy("before " + std::to_string(route));
        routes[route](h);
        ASSERT_EQ(h.clipboard.Text(), "BEFORE " + std::to_string(route)) << route;
        h.form->Click("mnuRestoreOriginal");
        for (int tick = 0; tick < 3; ++tick) {
            h.form->Tick("TimerClipwatch");
        }
        EXPECT_EQ(h.clipboard.Text(), "before " + std::to_string(route)) << route;
        EXPECT_EQ(h.form->originalText(), "before " + std::to_string(route)) << route;
    }
}

}  // namespace
}  // namespace textmend::testing
