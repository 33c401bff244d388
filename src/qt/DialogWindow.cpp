#include "qt/DialogWindow.h"

#include <QCloseEvent>
#include <QVBoxLayout>

namespace textmend {

DialogWindow::DialogWindow(Form& form, std::function<void()> unload, Dispatch dispatch,
                           const Icons& icons, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      form_(form),
      unload_(std::move(unload)),
      dispatch_(std::move(dispatch)),
      port_(this, [this] { Render(); }) {
    const FormDef& layout = form.Layout();
    setObjectName(QString::fromUtf8(layout.name.data(), layout.name.size()));
    setModal(true);
    auto* client = new QWidget(this);
    view_ = std::make_unique<FormView>(layout, icons, client);
    view_->OnClick([this](std::string_view name) { Click(name); });
    view_->OnEdit([this](std::string_view name, const std::string& text) {
        dispatch_("Change " + std::string(name), [&] { form_.Change(name, text); });
        Render();
    });
    auto* box = new QVBoxLayout(this);
    box->setContentsMargins(0, 0, 0, 0);
    box->addWidget(client);
    box->setSizeConstraint(QLayout::SetFixedSize);
    adjustSize();
    Render();
}

void DialogWindow::Render() {
    setWindowTitle(QString::fromStdString(form_.Caption()));
    view_->Render(form_);
    if (onRendered) {
        onRendered();
    }
    if (form_.Unloaded() && isVisible()) {
        done(QDialog::Accepted);
    }
}

void DialogWindow::Click(std::string_view name) {
    dispatch_("Click " + std::string(name), [&] { form_.Click(name); });
    Render();
}

void DialogWindow::closeEvent(QCloseEvent* event) {
    if (!form_.Unloaded()) {
        dispatch_("Form_Unload", unload_);
    }
    Render();
    event->setAccepted(form_.Unloaded());
}

void DialogWindow::reject() {
    for (const ControlDef& spec : form_.Layout().controls) {
        if (spec.isCancel && spec.kind == ControlKind::CommandButton) {
            Click(spec.name);
            return;
        }
    }
}

}  // namespace textmend
