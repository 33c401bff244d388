#pragma once

// A main window wired to fresh fakes, with a scratch folder of its own.

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "FakePorts.h"
#include "TestSupport.h"
#include "ui/frmMain.h"

namespace textmend::testing {

using test::TempFolder;

struct MainHarness {
    MainHarness();
    // With these ports in place of the fake hotkey and keyboard.
    MainHarness(HotkeyPort& hotkeyPort, KeyboardPort& keyboardPort);

    // Loads the window; settings stored before this call are read by it.
    frmMain& Load();
    // Builds the window anew (before Load) so the line-based steps find no
    // folder for their scratch file.
    void MakeScratchUnusable();
    // Sets the case option and the twelve boxes to exactly these, by clicks.
    void ChooseOptions(std::string_view caseOption, const std::vector<std::string>& boxesSet);

    int Value(std::string_view name) const { return form->Control(name)->value; }
    bool Enabled(std::string_view name) const { return form->Control(name)->enabled; }
    const std::string& Text(std::string_view name) const { return form->Control(name)->text; }
    // The popup's option items that carry a mark, in menu order.
    std::vector<std::string> PopupMarks() const;
    bool Journaled(const std::string& entry) const {
        return std::find(journal.begin(), journal.end(), entry) != journal.end();
    }
    std::ptrdiff_t JournalIndex(const std::string& entry) const {
        return std::find(journal.begin(), journal.end(), entry) - journal.begin();
    }

    Journal journal;
    FakeClipboard clipboard{journal};
    FakeMessageBox messageBox;
    FakeBeep beep{journal};
    FakeTray tray{journal};
    FakeWindow window{journal};
    FakeTimers timers{journal};
    FakeShell shell{journal};
    FakeHotkey hotkey{journal};
    FakeKeyboard keyboard{journal};
    FakeNotice notice;
    FakeAutostart autostart;
    JournalSettings settings{journal};
    FakeSystem system;
    TempFolder scratch;
    DictionarySource dictionary;  // none unless a test gives one
    int dictionariesOpened = 0;
    std::unique_ptr<frmMain> form;

  private:
    void Build(ScratchFolders folders);

    HotkeyPort* hotkeyPort_ = &hotkey;
    KeyboardPort* keyboardPort_ = &keyboard;
};

inline StepError Failure() {
    return StepError(5, "Access is denied.");
}
inline constexpr const char* kFailureMessage = "Error occurred: #5 Access is denied.";

}  // namespace textmend::testing
