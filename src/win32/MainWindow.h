#pragma once

// The main window: the form window of frmMain plus the messages only the
// program's own window receives (the tray icon's, the hotkey's, the window's
// state, the end of the session). It turns each into a named event for the
// program around it, which runs it on the core; it decides nothing itself.

#include <windows.h>

#include <functional>
#include <string_view>

#include "ui/frmMain.h"
#include "win32/FormWindow.h"

namespace textmend {

// The message the notification area sends when it is created or recreated.
UINT TaskbarCreatedMessage();

// How the main window hands its events on.
class MainEvents {
  public:
    virtual ~MainEvents() = default;
    // Runs call on the core as the event named event.
    virtual void Send(std::string_view event, const std::function<void(frmMain&)>& call) = 0;
    // Whether a call into the core is under way.
    virtual bool InCall() const = 0;
};

class MainWindow : public FormWindow {
  public:
    // Creates the window's frame, hidden and without controls yet.
    MainWindow(HINSTANCE instance, MainEvents& events, WidgetProbe* probe);

    // Builds the controls and menus of form; from now on events reach it.
    void Attach(frmMain& form);
    // Runs the program's message loop; returns the exit code.
    int Run();
    // Hides the window and ends the message loop.
    void Quit();
    // Opens the popup menu named menuName at the mouse pointer and returns the
    // layout name of the item chosen, empty when none was.
    std::string_view TrackPopup(std::string_view menuName);

  protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnCommand(std::string_view name, WORD notification) override;
    void OnClose() override;
    void OnMenuOpening(std::string_view menuName) override;
    void DescribeToProbe() override;

  private:
    void ReportState(WindowState state);
    // A command from another start of the program; false when the message is none.
    bool TakeCommandRequest(WPARAM wParam, LPARAM lParam);

    MainEvents& events_;
    frmMain* main_ = nullptr;
};

}  // namespace textmend
