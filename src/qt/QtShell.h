#pragma once

#include <functional>

#include "qt/FormView.h"
#include "ui/Ports.h"

class QWidget;

namespace textmend {

class MainWindow;
class WidgetProbe;

// The popup menu, the modal dialogs and the end of the program.
class QtShell : public ShellPort {
  public:
    // choose runs a popup choice in the core and redraws; quit ends the event loop.
    QtShell(MainWindow& window, const Icons& icons, WidgetProbe& probe,
            std::function<void(std::string_view)> choose, std::function<void()> quit);

    void PopupMenu() override;
    void ShowModal(frmHelp& dialog) override;
    void ShowModal(frmAbout& dialog) override;
    void EndProgram() override;

  private:
    template <class Dialog>
    void RunModal(Dialog& dialog);

    MainWindow& window_;
    const Icons& icons_;
    WidgetProbe& probe_;
    std::function<void(std::string_view)> choose_;
    std::function<void()> quit_;
};

}  // namespace textmend
