#pragma once

#include <memory>

#include "qt/FormView.h"
#include "qt/MainWindow.h"
#include "qt/QtClipboard.h"
#include "qt/QtHotkey.h"
#include "qt/QtKeyboard.h"
#include "qt/QtMessageBox.h"
#include "qt/QtSettingsBackend.h"
#include "qt/QtShell.h"
#include "qt/QtSystem.h"
#include "qt/QtTimers.h"
#include "qt/QtTray.h"
#include "qt/QtWindow.h"
#include "qt/WidgetProbe.h"
#include "qt/XdgAutostart.h"
#include "ui/frmMain.h"

namespace textmend {

// The Linux program: the main window's core with the Qt widgets and services
// bound to it. Every event goes to the core, and every widget is redrawn from
// the core after each call into it.
class Program {
  public:
    explicit Program(const Icons& icons);
    ~Program();

    // Loads the main window: start-up as the core runs it.
    void Start();
    // Unloads the main window unless it has unloaded already (the system ends
    // the program, or the event loop was left some other way).
    void Stop();

  private:
    // Runs one call into the core, then redraws.
    template <class Call>
    void Send(Call call);
    void Render();
    void DescribeToProbe();

    Icons icons_;
    WidgetProbe probe_;
    MainWindow window_;
    QtClipboard clipboard_;
    QtMessageBox messageBox_;
    QtBeep beep_;
    QtTray tray_;
    QtWindow windowPort_;
    QtTimers timers_;
    QtShell shell_;
    QtHotkey hotkey_;
    QtKeyboard keyboard_;
    XdgAutostart autostart_;
    QtSettingsBackend settings_;
    QtSystem system_;
    std::unique_ptr<frmMain> core_;
    bool rendering_ = false;
};

}  // namespace textmend
