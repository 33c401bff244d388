#include "qt/Program.h"

#include <QDBusConnection>

#include <QApplication>
#include <QJsonObject>
#include <QMenuBar>
#include <QScopedValueRollback>
#include <exception>
#include <iostream>

#include "spelling/HunspellWordList.h"
#include "textmend/version.h"

namespace textmend {
namespace {

std::string Event(std::string_view what, std::string_view name) {
    return std::string(what) + " " + std::string(name);
}

}  // namespace

void Program::Guard(std::string_view event, const std::function<void()>& call) noexcept {
    // Qt's event loop cannot carry an exception through: one that left here
    // would end the program.
    try {
        call();
    } catch (const std::exception& failure) {
        std::cerr << "textmend: " << event << " dropped: " << failure.what() << std::endl;
    } catch (...) {
        std::cerr << "textmend: " << event << " dropped: unknown exception" << std::endl;
    }
}

void Program::GuardedClipboard::Read(ReadDone done) {
    clipboard_.Read([done = std::move(done)](ClipboardRead&& read) {
        Guard("clipboard read", [&] { done(std::move(read)); });
    });
}

void Program::GuardedClipboard::Write(std::string text, bool secret, WriteDone done) {
    clipboard_.Write(std::move(text), secret,
                     [done = std::move(done)](const std::optional<StepError>& emptyFailure,
                                              const std::optional<StepError>& putFailure) {
                         Guard("clipboard write", [&] { done(emptyFailure, putFailure); });
                     });
}

Program::Program(const Icons& icons)
    : icons_(icons),
      window_(MainLayout(), icons_),
      platform_(
          [this] {
              if (core_ && !core_->Unloaded()) {
                  Guard("clipboard read", [this] { Render(); });
              }
          },
          [this] { Send("hotkey pressed", [&] { core_->HotkeyPressed(); }); },
          [this] { Send("paste refused", [&] { core_->PasteRefused(); }); }),
      guardedClipboard_(platform_.Clipboard()),
      messageBox_([this]() -> QWidget* { return window_.isVisible() ? &window_ : nullptr; },
                  probe_),
      tray_(icons_.normal, icons_.autoprocess,
            [this](TrayEvent event) {
                Send(event == TrayEvent::Activate ? "tray icon activated" : "tray icon menu",
                     [&] { core_->TrayIconEvent(event); });
            }),
      windowPort_(&window_, [this] { Render(); }),
      timers_([this](const std::string& name) {
          Send(Event("Tick", name), [&] { core_->Tick(name); });
      }),
      shell_(
          window_, icons_, probe_, [] { QApplication::quit(); }, &Program::Guard),
      autostart_(QCoreApplication::applicationFilePath().toStdString()),
      notice_(QDBusConnection::sessionBus(), [this](const std::string& text) {
          if (!tray_.ShowMessage(text)) {
              std::cerr << "textmend: " << text << std::endl;
          }
      }) {
    core_ = std::make_unique<frmMain>(MainPorts{
        .clipboard = guardedClipboard_,
        .messageBox = messageBox_,
        .beep = beep_,
        .tray = tray_,
        .window = windowPort_,
        .timers = timers_,
        .shell = shell_,
        .hotkey = platform_.Hotkey(),
        .keyboard = platform_.Keyboard(),
        .autostart = autostart_,
        .settings = settings_,
        .system = system_,
        .scratch = DefaultScratchFolders(),
        .version = AppVersion{kVersionMajor, kVersionMinor, kVersionRevision},
        .notice = &notice_,
        .dictionary = [] { return UserDictionaries(); },
    });

    window_.View().OnClick(
        [this](std::string_view name) { Send(Event("Click", name), [&] { core_->Click(name); }); });
    window_.View().OnEdit([this](std::string_view name, const std::string& text) {
        Send(Event("Change", name), [&] { core_->Change(name, text); });
    });
    window_.Menus().OnChoose(
        [this](std::string_view name) { Send(Event("Click", name), [&] { core_->Click(name); }); });
    window_.Menus().OnShownOrHidden([this] { DescribeToProbe(); });
    window_.Menus().OnOpening([this](std::string_view name) {
        Send(Event("Menu_Open", name), [&] { core_->Menu_Open(name); });
    });
    window_.onStateChange = [this](bool minimized) {
        Send("Form_Resize",
             [&] { core_->Form_Resize(minimized ? WindowState::Minimized : WindowState::Normal); });
    };
    window_.onClose = [this] {
        Stop();
        QApplication::quit();
    };
    WatchGeometry(&window_, [this] { DescribeToProbe(); });
}

Program::~Program() = default;

void Program::Send(std::string_view event, const std::function<void()>& call) {
    if (core_->Unloaded()) {
        return;
    }
    Guard(event, call);
    // What the event changed before it failed is shown too.
    Guard(event, [this] { Render(); });
}

void Program::Start() {
    Send("Form_Load", [this] { core_->Form_Load(); });
}

void Program::Stop() {
    Send("Form_Unload", [this] { core_->Form_Unload(); });
}

void Program::Request(const std::string& requestLine,
                      const std::function<void(const std::string&)>& answer) {
    Send("command request", [&] { core_->CommandRequest(requestLine, answer); });
}

void Program::RunOnce(ProgramCommand command, const frmMain::CommandDone& done) {
    Send("run once", [&] { core_->RunOnce(command, done); });
}

void Program::Render() {
    // A redraw asked for from inside a redraw (a repaint the core requests while
    // the widgets report a change) has nothing left to do.
    if (rendering_) {
        return;
    }
    {
        const QScopedValueRollback<bool> busy(rendering_, true);
        window_.setWindowTitle(QString::fromStdString(core_->Caption()));
        window_.View().Render(*core_);
        window_.Menus().Render(*core_);
    }
    DescribeToProbe();
}

void Program::DescribeToProbe() {
    if (!probe_.Enabled() || !core_) {
        return;
    }
    const QRect frame = window_.frameGeometry();
    probe_.Set(window_.objectName(), QJsonObject{
                                         {"caption", window_.windowTitle()},
                                         {"visible", window_.isVisible()},
                                         {"minimized", window_.isMinimized()},
                                         {"frame", QJsonObject{{"x", frame.x()},
                                                               {"y", frame.y()},
                                                               {"width", frame.width()},
                                                               {"height", frame.height()}}},
                                         {"controls", window_.View().Describe()},
                                         {"menus", window_.Menus().Describe()},
                                     });
    probe_.Set(
        "tray",
        QJsonObject{
            {"shown", core_->trayIconPresent()},
            {"image", core_->trayImage() == TrayImage::Autoprocess ? "autoprocess" : "normal"},
            {"tooltip", QString::fromUtf8(TrayIcon::kTip.data(), TrayIcon::kTip.size())},
        });
}

}  // namespace textmend
