#include "qt/QtTray.h"

#include <QSystemTrayIcon>
#include <cstring>

namespace textmend {
namespace {

constexpr std::uint32_t kLeftButtonUp = 0x202;
constexpr std::uint32_t kLeftDoubleClick = 0x203;
constexpr std::uint32_t kRightButtonUp = 0x205;

}  // namespace

std::string TrayTip(const TrayIconData& record) {
    const std::size_t length = strnlen(record.szTip, sizeof record.szTip);
    return std::string(record.szTip, length);
}

QtTray::QtTray(QIcon normal, QIcon autoprocess, std::function<void(std::uint32_t)> onEvent)
    : normal_(std::move(normal)),
      autoprocess_(std::move(autoprocess)),
      onEvent_(std::move(onEvent)),
      icon_(std::make_unique<QSystemTrayIcon>()) {
    QObject::connect(icon_.get(), &QSystemTrayIcon::activated,
                     [this](QSystemTrayIcon::ActivationReason reason) {
                         switch (reason) {
                             case QSystemTrayIcon::Trigger:
                                 onEvent_(kLeftButtonUp);
                                 break;
                             case QSystemTrayIcon::DoubleClick:
                                 onEvent_(kLeftDoubleClick);
                                 break;
                             case QSystemTrayIcon::Context:
                                 onEvent_(kRightButtonUp);
                                 break;
                             default:
                                 break;
                         }
                     });
}

QtTray::~QtTray() = default;

const QIcon& QtTray::ImageFor(TrayImage image) {
    image_ = image;
    return image == TrayImage::Autoprocess ? autoprocess_ : normal_;
}

bool QtTray::Available() {
    return QSystemTrayIcon::isSystemTrayAvailable();
}

bool QtTray::Notify(TrayMessage message, const TrayIconData& record) {
    switch (message) {
        case TrayMessage::Add:
            if (!Available()) {
                return false;
            }
            icon_->setIcon(ImageFor(record.hIcon));
            icon_->setToolTip(QString::fromStdString(TrayTip(record)));
            icon_->show();
            return true;
        case TrayMessage::Modify:
            icon_->setIcon(ImageFor(record.hIcon));
            return icon_->isVisible();
        case TrayMessage::Delete:
            icon_->hide();
            return true;
    }
    return false;
}

QString QtTray::ToolTip() const {
    return icon_->toolTip();
}

bool QtTray::Shown() const {
    return icon_->isVisible();
}

}  // namespace textmend
