#include "qt/Program.h"

#include <QApplication>
#include <QJsonObject>
#include <QMenuBar>

#include "textmend/version.h"

namespace textmend {

Program::Program(const Icons& icons)
    : icons_(icons),
      window_(MainLayout(), icons_),
      clipboard_([this] {
          if (core_ && !core_->Unloaded()) {
              Render();
          }
      }),
      messageBox_([this]() -> QWidget* { return window_.isVisible() ? &window_ : nullptr; },
                  probe_),
      tray_(icons_.normal, icons_.autoprocess,
            [this](TrayEvent event) { Send([&] { core_->TrayIconEvent(event); }); }),
      windowPort_(&window_, [this] { Render(); }),
      timers_([this](const std::string& name) { Send([&] { core_->Tick(name); }); }),
      shell_(window_, icons_, probe_, [] { QApplication::quit(); }),
      hotkey_([this] { Send([&] { core_->HotkeyPressed(); }); }),
      autostart_(QCoreApplication::applicationFilePath().toStdString()) {
    core_ = std::make_unique<frmMain>(MainPorts{
        .clipboard = clipboard_,
        .messageBox = messageBox_,
        .beep = beep_,
        .tray = tray_,
        .window = windowPort_,
        .timers = timers_,
        .shell = shell_,
        .hotkey = hotkey_,
        .keyboard = keyboard_,
        .autostart = autostart_,
        .settings = settings_,
        .system = system_,
        .scratch = DefaultScratchFolders(),
        .version = AppVersion{kVersionMajor, kVersionMinor, kVersionRevision},
    });

    window_.View().OnClick([this](std::string_view name) { Send([&] { core_->Click(name); }); });
    window_.View().OnEdit([this](std::string_view name, const std::string& text) {
        Send([&] { core_->Change(name, text); });
    });
    window_.Menus().OnChoose([this](std::string_view name) { Send([&] { core_->Click(name); }); });
    window_.Menus().OnShownOrHidden([this] { DescribeToProbe(); });
    window_.Menus().OnOpening(
        [this](std::string_view name) { Send([&] { core_->Menu_Open(name); }); });
    window_.onStateChange = [this](bool minimized) {
        Send([&] { core_->Form_Resize(minimized ? WindowState::Minimized : WindowState::Normal); });
    };
    window_.onClose = [this] {
        Stop();
        QApplication::quit();
    };
    WatchGeometry(&window_, [this] { DescribeToProbe(); });
}

Program::~Program() = default;

template <class Call>
void Program::Send(Call call) {
    if (core_->Unloaded()) {
        return;
    }
    call();
    Render();
}

void Program::Start() {
    Send([&] { core_->Form_Load(); });
}

void Program::Stop() {
    if (!core_->Unloaded()) {
        core_->Form_Unload();
        Render();
    }
}

void Program::Render() {
    // A redraw asked for from inside a redraw (a repaint the core requests while
    // the widgets report a change) has nothing left to do.
    if (rendering_) {
        return;
    }
    rendering_ = true;
    window_.setWindowTitle(QString::fromStdString(core_->Caption()));
    window_.View().Render(*core_);
    window_.Menus().Render(*core_);
    rendering_ = false;
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
