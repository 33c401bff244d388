#include "win32/MainWindow.h"

#include <exception>
#include <optional>

#include "forms/DialogForm.h"
#include "tray/TrayIcon.h"
#include "win32/DialogWindow.h"
#include "win32/SystemError.h"
#include "win32/Utf.h"
#include "win32/Win32Tray.h"

namespace textmend {
namespace {

// A change of the window's state that arrived while the form was busy; it is
// reported once the form's call has returned.
constexpr UINT kDeferredStateMessage = WM_APP + 2;

}  // namespace

UINT TaskbarCreatedMessage() {
    static const UINT message = RegisterWindowMessageW(L"TaskbarCreated");
    return message;
}

MainWindow::MainWindow(HINSTANCE instance)
    : FormWindow(instance, MainLayout()), instance_(instance) {}

void MainWindow::Attach(frmMain& form) {
    main_ = &form;
    Create(form, nullptr);
    // The notification area may be recreated by a program of lower integrity
    // (a restarted shell): let its message through.
    ChangeWindowMessageFilterEx(Hwnd(), TaskbarCreatedMessage(), MSGFLT_ALLOW, nullptr);
}

void MainWindow::Load() {
    CallCore([this] { main_->Form_Load(); });
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

void MainWindow::CallCore(const std::function<void()>& call) {
    ++coreDepth_;
    try {
        call();
    } catch (const std::exception& error) {
        // Only a slip in the program itself lands here; never let it cross the
        // window procedure.
        OutputDebugStringW(Utf8ToWide(error.what()).c_str());
    }
    --coreDepth_;
    if (quitting_) {
        return;
    }
    Refresh();
    if (main_->Unloaded()) {
        quitting_ = true;
        ShowWindow(Hwnd(), SW_HIDE);
        PostQuitMessage(0);
    }
}

void MainWindow::OnCommand(std::string_view name, WORD notification) {
    if (const std::optional<std::string> text = EditedText(name, notification)) {
        CallCore([this, name, text] { main_->Change(name, *text); });
        return;
    }
    if (notification == BN_CLICKED) {
        CallCore([this, name] { main_->Click(name); });
    }
}

void MainWindow::OnClose() {
    CallCore([this] { main_->Form_Unload(); });
}

void MainWindow::OnMenuOpening(std::string_view menuName) {
    const std::string menu(menuName);
    CallCore([this, menu] { main_->Menu_Open(menu); });
}

void MainWindow::ReportState(WindowState state) {
    if (coreDepth_ > 0) {
        PostMessageW(Hwnd(), kDeferredStateMessage, static_cast<WPARAM>(state), 0);
        return;
    }
    CallCore([this, state] { main_->Form_Resize(state); });
}

LRESULT MainWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == kTrayCallbackMessage) {
        if (const std::optional<TrayEvent> event = TrayEventOf(LOWORD(lParam))) {
            CallCore([this, event] { main_->TrayIconEvent(*event); });
        }
        return 0;
    }
    if (message == TaskbarCreatedMessage() && TaskbarCreatedMessage() != 0) {
        CallCore([this] { main_->TrayAreaCreated(); });
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
        case WM_TIMER:
            for (const auto& [name, id] : timerIds_) {
                if (id == wParam) {
                    const std::string timer = name;
                    CallCore([this, timer] { main_->Tick(timer); });
                    break;
                }
            }
            return 0;
        case WM_HOTKEY:
            CallCore([this] { main_->HotkeyPressed(); });
            return 0;
        case WM_QUERYENDSESSION:
            return TRUE;
        case WM_ENDSESSION:
            if (wParam != FALSE) {
                CallCore([this] { main_->Form_Unload(); });
            }
            return 0;
        default:
            return FormWindow::HandleMessage(message, wParam, lParam);
    }
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

UINT_PTR MainWindow::TimerId(std::string_view timerName) {
    auto found = timerIds_.find(timerName);
    if (found != timerIds_.end()) {
        return found->second;
    }
    const UINT_PTR id = timerIds_.size() + 1;
    timerIds_.emplace(std::string(timerName), id);
    return id;
}

void MainWindow::Start(std::string_view timerName, int intervalMs) {
    if (SetTimer(Hwnd(), TimerId(timerName), static_cast<UINT>(intervalMs), nullptr) == 0) {
        ThrowLastError();
    }
}

void MainWindow::Stop(std::string_view timerName) {
    KillTimer(Hwnd(), TimerId(timerName));
}

void MainWindow::PopupMenu() {
    HMENU popup = menus().Popup("mnu_1");
    if (popup == nullptr) {
        return;
    }
    Refresh();  // the marks as the form has them now
    POINT pointer{};
    GetCursorPos(&pointer);
    // Without the foreground the menu would not close when the user clicks elsewhere.
    SetForegroundWindow(Hwnd());
    const UINT chosen =
        static_cast<UINT>(TrackPopupMenu(popup, TPM_RETURNCMD | TPM_LEFTALIGN | TPM_LEFTBUTTON,
                                         pointer.x, pointer.y, 0, Hwnd(), nullptr));
    PostMessageW(Hwnd(), WM_NULL, 0, 0);
    const std::string_view name = NameOf(chosen);
    if (!name.empty()) {
        main_->Click(name);
        Refresh();
    }
}

void MainWindow::ShowModal(DialogForm& dialog) {
    DialogWindow window(instance_, dialog.Layout(), [&dialog] { dialog.Form_Unload(); });
    window.SetProbe(probe());
    window.Create(dialog, Hwnd());
    dialog.Form_Load(window);
    window.Refresh();
    window.RunModal(Hwnd());
    if (probe() != nullptr) {
        probe()->Remove(std::string(dialog.Layout().name));
    }
    Refresh();
}

void MainWindow::EndProgram() {
    quitting_ = true;
    ShowWindow(Hwnd(), SW_HIDE);
    PostQuitMessage(0);
}

}  // namespace textmend
