#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string_view>

#include "settings/RegistrySettings.h"
#include "ui/frmMain.h"
#include "win32/MainWindow.h"
#include "win32/WidgetProbe.h"
#include "win32/Win32Alerts.h"
#include "win32/Win32Autostart.h"
#include "win32/Win32Clipboard.h"
#include "win32/Win32Hotkey.h"
#include "win32/Win32Keyboard.h"
#include "win32/Win32Shell.h"
#include "win32/Win32System.h"
#include "win32/Win32Timers.h"
#include "win32/Win32Tray.h"
#include "win32/Win32Window.h"

namespace textmend {

// The Windows program: the main window's core with the Win32 windows and
// services bound to it. Every event goes to the core through one guard, and
// every widget is redrawn from the core after each call into it.
class Program : private MainEvents {
  public:
    Program(HINSTANCE instance, TrayIcons trayIcons);
    ~Program() override;
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // Runs the main window's start-up as the core has it; from then on the
    // window takes the commands of other starts of the program.
    void Load();
    // Instead of Load, when no program runs: the command once, without the
    // window or the tray icon. The message loop then ends with the exit code
    // finish gives for how the command ended.
    void RunOnce(ProgramCommand command, const std::function<int(const CommandAnswer&)>& finish);
    // Runs the message loop until the program ends; returns the exit code.
    int Run();

    // Runs the handler of the event named event. What the handler throws is
    // written to the debugger's output with the event's name and goes no
    // further: the event is dropped and the program goes on.
    static void Guard(std::string_view event, const std::function<void()>& handler);

  private:
    void Send(std::string_view event, const std::function<void(frmMain&)>& call) override;
    bool InCall() const override { return callDepth_ > 0; }
    void Quit();

    WidgetProbe probe_;
    MainWindow window_;
    Win32Window windowPort_;
    Win32Clipboard clipboard_;
    Win32MessageBox messageBox_;
    Win32Beep beep_;
    Win32Tray tray_;
    Win32Timers timers_;
    Win32Shell shell_;
    Win32Hotkey hotkey_;
    Win32Keyboard keyboard_;
    Win32Autostart autostart_;
    RegistrySettings settings_;
    Win32System system_;
    std::unique_ptr<frmMain> core_;
    int callDepth_ = 0;
    bool quitting_ = false;
};

}  // namespace textmend
