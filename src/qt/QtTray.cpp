#include "qt/QtTray.h"

#include <QSystemTrayIcon>

namespace textmend {

QtTray::QtTray(QIcon normal, QIcon autoprocess, std::function<void(TrayEvent)> onEvent)
    : normal_(std::move(normal)),
      autoprocess_(std::move(autoprocess)),
      onEvent_(std::move(onEvent)),
      icon_(std::make_unique<QSystemTrayIcon>()) {
    QObject::connect(icon_.get(), &QSystemTrayIcon::activated,
                     [this](QSystemTrayIcon::ActivationReason reason) {
                         switch (reason) {
                             case QSystemTrayIcon::Trigger:
                             case QSystemTrayIcon::DoubleClick:
                                 onEvent_(TrayEvent::Activate);
                                 break;
                             case QSystemTrayIcon::Context:
                                 onEvent_(TrayEvent::OpenMenu);
                                 break;
                             default:
                                 break;
                         }
                     });
}

QtTray::~QtTray() = default;

const QIcon& QtTray::IconOf(TrayImage image) const {
    return image == TrayImage::Autoprocess ? autoprocess_ : normal_;
}

bool QtTray::Available() {
    return QSystemTrayIcon::isSystemTrayAvailable();
}

bool QtTray::Add(TrayImage image, const std::string& tip) {
    if (!Available() || icon_->isVisible()) {
        return false;
    }
    icon_->setIcon(IconOf(image));
    icon_->setToolTip(QString::fromStdString(tip));
    icon_->show();
    return true;
}

bool QtTray::Change(TrayImage image) {
    if (!icon_->isVisible()) {
        return false;
    }
    icon_->setIcon(IconOf(image));
    return true;
}

void QtTray::Remove() {
    icon_->hide();
}

bool QtTray::ShowMessage(const std::string& text) {
    if (!icon_->isVisible() || !QSystemTrayIcon::supportsMessages()) {
        return false;
    }
    icon_->showMessage(QStringLiteral("Textmend"), QString::fromStdString(text));
    return true;
}

}  // namespace textmend
