#include "win32/DialogWindow.h"

namespace textmend {

UINT DialogWindow::ButtonId(bool cancel) const {
    const auto& controls = const_cast<DialogWindow*>(this)->form().Layout().controls;
    for (size_t i = 0; i < controls.size(); ++i) {
        if (controls[i].kind == ControlKind::CommandButton &&
            (cancel ? controls[i].isCancel : controls[i].isDefault)) {
            return kFirstControlId + static_cast<UINT>(i);
        }
    }
    return 0;
}

void DialogWindow::OnCommand(std::string_view name, WORD notification) {
    const std::string control = std::string(form().Layout().name) + "." + std::string(name);
    if (const std::optional<std::string> text = EditedText(name, notification)) {
        Handle(control + " Change", [&] { form().Change(name, *text); });
        return;
    }
    if (notification == BN_CLICKED) {
        Handle(control + " Click", [&] { form().Click(name); });
    }
}

void DialogWindow::OnClose() {
    Handle(std::string(form().Layout().name) + " close", [this] { unload_(); });
}

void DialogWindow::Handle(const std::string& event, const std::function<void()>& handler) {
    guard_(event, handler);
    Refresh();
}

LRESULT DialogWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case DM_GETDEFID: {
            const UINT id = ButtonId(false);
            return id == 0 ? 0 : MAKELRESULT(id, DC_HASDEFID);
        }
        case WM_COMMAND:
            // The dialog manager turns Escape into IDCANCEL, and Enter into IDOK
            // when no button is the default: only the marked buttons answer them.
            if (LOWORD(wParam) == IDCANCEL || LOWORD(wParam) == IDOK) {
                const UINT id = ButtonId(LOWORD(wParam) == IDCANCEL);
                if (id != 0) {
                    OnCommand(NameOf(id), BN_CLICKED);
                }
                return 0;
            }
            return FormWindow::HandleMessage(message, wParam, lParam);
        default:
            return FormWindow::HandleMessage(message, wParam, lParam);
    }
}

void DialogWindow::RunModal(HWND owner) {
    HWND dialog = Hwnd();
    if (dialog == nullptr) {
        return;
    }
    EnableWindow(owner, FALSE);
    ShowWindow(dialog, SW_SHOWNORMAL);
    SetForegroundWindow(dialog);

    bool quit = false;
    WPARAM quitCode = 0;
    MSG msg;
    while (!form().Unloaded()) {
        const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
        if (got == 0 || got == -1) {
            quit = true;
            quitCode = msg.wParam;
            break;
        }
        if (!MoveAmongOptions(msg) && !IsDialogMessageW(dialog, &msg)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    }

    // The owner must be enabled before the dialog goes, or the system would
    // activate some other program's window.
    EnableWindow(owner, TRUE);
    SetActiveWindow(owner);
    ShowWindow(dialog, SW_HIDE);
    if (quit) {
        PostQuitMessage(static_cast<int>(quitCode));
    }
}

}  // namespace textmend
