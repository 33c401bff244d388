#pragma once

#include <functional>

#include "ports/ShellPort.h"
#include "qt/DialogWindow.h"
#include "qt/FormView.h"

class QWidget;

namespace textmend {

class MainWindow;
class WidgetProbe;

// The popup menu, the modal dialogs and the end of the program.
class QtShell : public ShellPort {
  public:
    // quit ends the event loop; dispatch takes the dialogs' events.
    QtShell(MainWindow& window, const Icons& icons, WidgetProbe& probe, std::function<void()> quit,
            Dispatch dispatch);

    void PopupMenu() override;
    void ShowModal(DialogForm& dialog) override;
    void EndProgram() override;

  private:
    MainWindow& window_;
    const Icons& icons_;
    WidgetProbe& probe_;
    std::function<void()> quit_;
    Dispatch dispatch_;
};

}  // namespace textmend
