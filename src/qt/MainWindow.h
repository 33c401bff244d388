#pragma once

#include <QMainWindow>
#include <functional>

#include "qt/FormView.h"
#include "qt/MenuView.h"

namespace textmend {

// The program's window: fixed size, a minimize button and no maximize button,
// the menu bar over the client area. It reports its state changes and its
// close box and decides nothing itself.
class MainWindow : public QMainWindow {
  public:
    MainWindow(const FormDef& layout, const Icons& icons);

    FormView& View() { return *view_; }
    MenuView& Menus() { return *menus_; }

    std::function<void(bool minimized)> onStateChange;
    // The close box; the window closes once this returns.
    std::function<void()> onClose;

  protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    std::unique_ptr<FormView> view_;
    std::unique_ptr<MenuView> menus_;
};

}  // namespace textmend
