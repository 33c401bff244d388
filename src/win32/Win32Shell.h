#pragma once

#include <windows.h>

#include <functional>
#include <string_view>

#include "ports/ShellPort.h"
#include "win32/EventGuard.h"
#include "win32/MainWindow.h"
#include "win32/WidgetProbe.h"

namespace textmend {

// The popup menu, the modal dialogs and the end of the program.
class Win32Shell : public ShellPort {
  public:
    // guard runs the dialogs' events; choose runs the handler of the popup
    // menu's chosen item; quit ends the program.
    Win32Shell(HINSTANCE instance, MainWindow& window, WidgetProbe& probe, EventGuard guard,
               std::function<void(std::string_view)> choose, std::function<void()> quit);

    void PopupMenu() override;
    void ShowModal(DialogForm& dialog) override;
    void EndProgram() override;

  private:
    HINSTANCE instance_;
    MainWindow& window_;
    WidgetProbe& probe_;
    EventGuard guard_;
    std::function<void(std::string_view)> choose_;
    std::function<void()> quit_;
};

}  // namespace textmend
