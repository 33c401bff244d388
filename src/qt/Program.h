#pragma once

#include <functional>
#include <memory>
#include <string_view>

#include "portal/DesktopNotice.h"
#include "posix/XdgAutostart.h"
#include "qt/FormView.h"
#include "qt/MainWindow.h"
#include "qt/PlatformPorts.h"
#include "qt/QtAlerts.h"
#include "qt/QtSettingsBackend.h"
#include "qt/QtShell.h"
#include "qt/QtSystem.h"
#include "qt/QtTimers.h"
#include "qt/QtTray.h"
#include "qt/QtWindow.h"
#include "qt/WidgetProbe.h"
#include "ui/frmMain.h"

namespace textmend {

// The Linux program: the main window's core with the Qt widgets and services
// bound to it. Every event goes to the core, and every widget is redrawn from
// the core after each call into it.
//
// Every event reaches the core through Guard, the one place the Linux program
// answers a fault nobody caught: the main window's and the dialogs' events, the
// menus, the timers, the tray, the hotkey and the clipboard's completions.
class Program {
  public:
    explicit Program(const Icons& icons);
    ~Program();

    // Runs call, one event routed into the core. An exception escaping it is
    // written to standard error with the event's name and goes no further: the
    // event is dropped, the program goes on.
    static void Guard(std::string_view event, const std::function<void()>& call) noexcept;

    // Loads the main window: start-up as the core runs it.
    void Start();
    // Unloads the main window unless it has unloaded already (the system ends
    // the program, or the event loop was left some other way).
    void Stop();

    // A request line from another start of the program; answer gets the
    // answer line once the command has ended.
    void Request(const std::string& requestLine,
                 const std::function<void(const std::string&)>& answer);
    // Instead of Start, when no program runs: the command once, without the
    // window or the tray icon; done gets how it ended.
    void RunOnce(ProgramCommand command, const frmMain::CommandDone& done);
    // Whether the clipboard still holds the text this program put there last.
    bool OffersOwnText() { return platform_.OffersOwnText(); }

  private:
    // The clipboard as the core is given it: each completion runs under the guard.
    class GuardedClipboard : public ClipboardPort {
      public:
        explicit GuardedClipboard(ClipboardPort& clipboard) : clipboard_(clipboard) {}
        std::uint64_t ChangeCount() override { return clipboard_.ChangeCount(); }
        void Read(ReadDone done) override;
        void Write(std::string text, bool secret, WriteDone done) override;

      private:
        ClipboardPort& clipboard_;
    };

    // Runs one call into the core under the guard, then redraws.
    void Send(std::string_view event, const std::function<void()>& call);
    void Render();
    void DescribeToProbe();

    Icons icons_;
    WidgetProbe probe_;
    MainWindow window_;
    PlatformPorts platform_;  // the clipboard, hotkey and keyboard of X11 or Wayland
    GuardedClipboard guardedClipboard_;
    QtMessageBox messageBox_;
    QtBeep beep_;
    QtTray tray_;
    QtWindow windowPort_;
    QtTimers timers_;
    QtShell shell_;
    XdgAutostart autostart_;
    QtSettingsBackend settings_;
    QtSystem system_;
    DesktopNotice notice_;
    std::unique_ptr<frmMain> core_;
    bool rendering_ = false;
};

}  // namespace textmend
