#include "MainHarness.h"

#include "forms/Layout.h"

namespace textmend::testing {

MainHarness::MainHarness() {
    Build(ScratchFolders{{scratch.path()}});
}

MainHarness::MainHarness(HotkeyPort& hotkeyPort, KeyboardPort& keyboardPort)
    : hotkeyPort_(&hotkeyPort), keyboardPort_(&keyboardPort) {
    Build(ScratchFolders{{scratch.path()}});
}

void MainHarness::Build(ScratchFolders folders) {
    form = std::make_unique<frmMain>(MainPorts{
        .clipboard = clipboard,
        .messageBox = messageBox,
        .beep = beep,
        .tray = tray,
        .window = window,
        .timers = timers,
        .shell = shell,
        .hotkey = *hotkeyPort_,
        .keyboard = *keyboardPort_,
        .autostart = autostart,
        .settings = settings,
        .system = system,
        .scratch = std::move(folders),
        .version = AppVersion{2, 3, 4},
        .notice = &notice,
        .dictionary =
            [this] {
                ++dictionariesOpened;
                return dictionary ? dictionary() : nullptr;
            },
    });
}

frmMain& MainHarness::Load() {
    form->Form_Load();
    return *form;
}

void MainHarness::MakeScratchUnusable() {
    Build(ScratchFolders{{test::UnusableFolder(scratch, "blocked")}});
}

void MainHarness::ChooseOptions(std::string_view caseOption,
                                const std::vector<std::string>& boxesSet) {
    form->Click(caseOption);
    // Remove returns first, so Remove rtns 2X can be reached.
    for (std::string_view box :
         {"chkRemCRs", "chkDblspc", "chkNoblanks", "chkTrimCR", "chkRemCRdbl", "chkSentence",
          "chkRemGT", "chkInvisible", "chkPlainPunct", "chkJoinWords", "chkTrimSpaces",
          "chkKeepLists"}) {
        const bool wanted = std::find(boxesSet.begin(), boxesSet.end(), box) != boxesSet.end();
        if ((Value(box) == 1) != wanted) {
            form->Click(box);
        }
    }
}

std::vector<std::string> MainHarness::PopupMarks() const {
    std::vector<std::string> marked;
    for (const ControlDef& control : MainLayout().controls) {
        if (control.kind == ControlKind::MenuItem && control.parent == "mnu_1" &&
            form->Control(control.name)->value == 1) {
            marked.emplace_back(control.name);
        }
    }
    return marked;
}

}  // namespace textmend::testing
