#include "win32/Program.h"

#include <exception>
#include <string>

#include "textmend/version.h"
#include "win32/CommandMessages.h"
#include "win32/Utf.h"
#include "win32/VersionResource.h"
#include "win32/Win32Dictionary.h"

namespace textmend {

Program::Program(HINSTANCE instance, TrayIcons trayIcons)
    : window_(instance, *this, &probe_),
      windowPort_(window_),
      clipboard_(window_.Hwnd(),
                 [this](const std::function<void()>& done) {
                     Send("clipboard transfer done", [&done](frmMain&) { done(); });
                 }),
      messageBox_(window_.Hwnd(), &probe_),
      tray_(trayIcons, window_.Hwnd()),
      timers_([this](const std::string& name) {
          Send(name + " Timer", [&name](frmMain& core) { core.Tick(name); });
      }),
      shell_(
          instance, window_, probe_, &Program::Guard,
          [this](std::string_view name) {
              core_->Click(name);
              window_.Refresh();
          },
          [this] { Quit(); }),
      hotkey_(window_.Hwnd()) {
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
        .version = ReadAppVersion(instance).value_or(
            AppVersion{kVersionMajor, kVersionMinor, kVersionRevision}),
        .dictionary = &SystemDictionaries,
    });
    window_.Attach(*core_);
}

Program::~Program() = default;

void Program::Load() {
    Send("Form_Load", [](frmMain& core) { core.Form_Load(); });
    TakeCommands(window_.Hwnd());
}

void Program::RunOnce(ProgramCommand command,
                      const std::function<int(const CommandAnswer&)>& finish) {
    Send("RunOnce", [command, finish](frmMain& core) {
        core.RunOnce(command,
                     [finish](const CommandAnswer& answer) { PostQuitMessage(finish(answer)); });
    });
}

int Program::Run() {
    return window_.Run();
}

void Program::Guard(std::string_view event, const std::function<void()>& handler) {
    std::string what;
    try {
        handler();
        return;
    } catch (const std::exception& error) {
        what = error.what();
    } catch (...) {
        what = "an exception of unknown type";
    }
    // Only a slip in the program itself lands here.
    const std::string report = "Textmend: " + std::string(event) + " dropped: " + what + "\n";
    OutputDebugStringW(Utf8ToWide(report).c_str());
}

void Program::Send(std::string_view event, const std::function<void(frmMain&)>& call) {
    ++callDepth_;
    Guard(event, [&] { call(*core_); });
    --callDepth_;
    if (quitting_) {
        return;
    }
    window_.Refresh();
    if (core_->Unloaded()) {
        Quit();
    }
}

void Program::Quit() {
    quitting_ = true;
    window_.Quit();
}

}  // namespace textmend
