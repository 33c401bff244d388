#pragma once

// The main window: the form window of frmMain plus what only the program's own
// window does: timers, the tray icon's messages, the popup menu, the modal
// dialogs, minimizing and the end of the program. Every event goes to frmMain;
// after each call every widget is drawn again from its state.

#include <windows.h>

#include <functional>
#include <map>
#include <string>
#include <string_view>

#include "ui/frmMain.h"
#include "win32/FormWindow.h"

namespace textmend {

// The message the notification area sends when it is created or recreated.
UINT TaskbarCreatedMessage();

class MainWindow : public FormWindow, public TimerPort, public ShellPort {
  public:
    explicit MainWindow(HINSTANCE instance);

    // Creates the window for form, hidden and not yet loaded.
    void Attach(frmMain& form);
    // Runs the form's start-up.
    void Load();
    // Runs the program's message loop; returns the exit code.
    int Run();

    // TimerPort
    void Start(std::string_view timerName, int intervalMs) override;
    void Stop(std::string_view timerName) override;

    // ShellPort
    void PopupMenu() override;
    void ShowModal(DialogForm& dialog) override;
    void EndProgram() override;

  protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnCommand(std::string_view name, WORD notification) override;
    void OnClose() override;
    void OnMenuOpening(std::string_view menuName) override;
    void DescribeToProbe() override;

  private:
    // Calls into the form, then redraws, and ends the program once the form has unloaded.
    void CallCore(const std::function<void()>& call);
    void ReportState(WindowState state);
    UINT_PTR TimerId(std::string_view timerName);

    HINSTANCE instance_;
    frmMain* main_ = nullptr;
    std::map<std::string, UINT_PTR, std::less<>> timerIds_;
    int coreDepth_ = 0;
    bool quitting_ = false;
};

}  // namespace textmend
