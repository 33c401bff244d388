#include "qt/MainWindow.h"

#include <QCloseEvent>
#include <QLayout>
#include <QMenuBar>

namespace textmend {

MainWindow::MainWindow(const FormDef& form, const Icons& icons)
    : QMainWindow(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                               Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                               Qt::WindowCloseButtonHint) {
    setObjectName(QString::fromUtf8(form.name.data(), form.name.size()));
    setWindowIcon(icons.normal);
    auto* client = new QWidget(this);
    view_ = std::make_unique<FormView>(form, icons, client);
    setCentralWidget(client);
    menus_ = std::make_unique<MenuView>(form, menuBar());
    // The menu bar belongs to the window itself, also on desktops that offer a
    // global menu, so the client area is where the layout puts it.
    menuBar()->setNativeMenuBar(false);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    adjustSize();
}

void MainWindow::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && onStateChange) {
        onStateChange(isMinimized());
    }
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (onClose) {
        onClose();
    }
    event->accept();
}

}  // namespace textmend
