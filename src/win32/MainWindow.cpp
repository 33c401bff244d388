#include "win32/MainWindow.h"

#include <optional>
#include <string>

#include "tray/TrayIcon.h"
#include "win32/AppMessages.h"
#include "win32/CommandMessages.h"
#include "win32/Win32Tray.h"

namespace textmend {

UINT TaskbarCreatedMessage() {
    static const UINT message = RegisterWindowMessageW(L"TaskbarCreated");
    return message;
}

MainWindow::MainWindow(HINSTANCE instance, MainEvents& events, WidgetProbe* probe)
    : FormWindow(instance, MainLayout(), probe), events_(events) {
    CreateFrame(nullptr);
    // The notification area may be recreated by a program of lower integrity
    // (a restarted shell): let its message through.
    ChangeWindowMessageFilterEx(Hwnd(), TaskbarCreatedMessage(), MSGFLT_ALLOW, nullptr);
}

void MainWindow::Attach(frmMain& form) {
    main_ = &form;
    FormWindow::Attach(form);
}

int MainWindow::Run() {
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        if (!MoveAmongOptions(msg) && !IsDialogMessageW(Hwnd(), &msg)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    }
    return static_cast<int>(msg.wParam);
}

void MainWindow::Quit() {
    ShowWindow(Hwnd(), SW_HIDE);
    PostQuitMessage(0);
}

std::string_view MainWindow::TrackPopup(std::string_view menuName) {
    HMENU popup = menus().Popup(menuName);
    if (popup == nullptr) {
        return {};
    }
    POINT pointer{};
    GetCursorPos(&pointer);
    // Without the foreground the menu would not close when the user clicks elsewhere.
    SetForegroundWindow(Hwnd());
    const UINT chosen =
        static_cast<UINT>(TrackPopupMenu(popup, TPM_RETURNCMD | TPM_LEFTALIGN | TPM_LEFTBUTTON,
                                         pointer.x, pointer.y, 0, Hwnd(), nullptr));
    PostMessageW(Hwnd(), WM_NULL, 0, 0);
    return NameOf(chosen);
}

void MainWindow::OnCommand(std::string_view name, WORD notification) {
    if (const std::optional<std::string> text = EditedText(name, notification)) {
        events_.Send(std::string(name) + " Change",
                     [name, &text](frmMain& core) { core.Change(name, *text); });
        return;
    }
    if (notification == BN_CLICKED) {
        events_.Send(std::string(name) + " Click", [name](frmMain& core) { core.Click(name); });
    }
}

void MainWindow::OnClose() {
    events_.Send("Form_Unload", [](frmMain& core) { core.Form_Unload(); });
}

void MainWindow::OnMenuOpening(std::string_view menuName) {
    events_.Send(std::string(menuName) + " open",
                 [menuName](frmMain& core) { core.Menu_Open(menuName); });
}

void MainWindow::ReportState(WindowState state) {
    if (events_.InCall()) {
        PostMessageW(Hwnd(), kDeferredStateMessage, static_cast<WPARAM>(state), 0);
        return;
    }
    events_.Send("Form_Resize", [state](frmMain& core) { core.Form_Resize(state); });
}

LRESULT MainWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == kTrayCallbackMessage) {
        if (const std::optional<TrayEvent> event = TrayEventOf(LOWORD(lParam))) {
            events_.Send("TrayIconEvent", [event](frmMain& core) { core.TrayIconEvent(*event); });
        }
        return 0;
    }
    if (message == TaskbarCreatedMessage() && TaskbarCreatedMessage() != 0) {
        events_.Send("TrayAreaCreated", [](frmMain& core) { core.TrayAreaCreated(); });
        return 0;
    }
    switch (message) {
        case WM_SIZE:
            if (wParam == SIZE_MINIMIZED) {
                ReportState(WindowState::Minimized);
            } else if (wParam == SIZE_RESTORED) {
                ReportState(WindowState::Normal);
            }
            return 0;
        case kDeferredStateMessage:
            ReportState(static_cast<WindowState>(wParam));
            return 0;
        case WM_HOTKEY:
            events_.Send("HotkeyPressed", [](frmMain& core) { core.HotkeyPressed(); });
            return 0;
        case WM_COPYDATA:
            return TakeCommandRequest(wParam, lParam) ? TRUE : FALSE;
        case WM_QUERYENDSESSION:
            return TRUE;
        case WM_ENDSESSION:
            if (wParam != FALSE) {
                events_.Send("Form_Unload", [](frmMain& core) { core.Form_Unload(); });
            }
            return 0;
        default:
            return FormWindow::HandleMessage(message, wParam, lParam);
    }
}

// The answer goes back from the core whenever the command ends, which may be
// before this message returns.
bool MainWindow::TakeCommandRequest(WPARAM wParam, LPARAM lParam) {
    const std::optional<CommandRequestMessage> request = ReadCommandRequest(Hwnd(), wParam, lParam);
    if (!request) {
        return false;
    }
    events_.Send("CommandRequest", [this, &request](frmMain& core) {
        core.CommandRequest(request->line, [window = Hwnd(), answerTo = request->answerTo](
                                               const std::string& answer) {
            SendCommandAnswer(window, answerTo, answer);
        });
    });
    return true;
}

void MainWindow::DescribeToProbe() {
    if (probe() == nullptr || main_ == nullptr) {
        return;
    }
    FormWindow::DescribeToProbe();
    probe()->Set(
        "tray",
        JsonObject()
            .Add("shown", main_->trayIconPresent())
            .Add("image", main_->trayImage() == TrayImage::Autoprocess ? "autoprocess" : "normal")
            .Add("tooltip", TrayIcon::kTip));
}

}  // namespace textmend
