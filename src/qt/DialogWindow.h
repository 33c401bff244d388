#pragma once

#include <QDialog>
#include <functional>
#include <memory>
#include <string_view>

#include "qt/FormView.h"
#include "qt/QtWindow.h"

namespace textmend {

// How a window hands one event to the program: the event's name, and the call
// that routes it into the core.
using Dispatch = std::function<void(std::string_view event, const std::function<void()>& call)>;

// A modal dialog built from its layout table and driven by its core form. It
// closes once the form has unloaded itself.
class DialogWindow : public QDialog {
  public:
    // unload is the form's handler for the close box; every call into the form
    // goes through dispatch.
    DialogWindow(Form& form, std::function<void()> unload, Dispatch dispatch, const Icons& icons,
                 QWidget* parent);

    FormView& View() { return *view_; }
    QtWindow& Port() { return port_; }
    // Draws the dialog from its form and reports the change; called after every
    // call into the form.
    void Render();

    std::function<void()> onRendered;

  protected:
    void closeEvent(QCloseEvent* event) override;
    // Escape: the cancel button's click when the layout has one, else nothing.
    void reject() override;

  private:
    void Click(std::string_view name);

    Form& form_;
    std::function<void()> unload_;
    Dispatch dispatch_;
    std::unique_ptr<FormView> view_;
    QtWindow port_;
};

}  // namespace textmend
