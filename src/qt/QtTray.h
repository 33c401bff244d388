#pragma once

#include <QIcon>
#include <QObject>
#include <functional>
#include <memory>

#include "ui/Ports.h"

class QSystemTrayIcon;

namespace textmend {

// The notification-area icon. Clicks on it reach onEvent as the mouse message
// numbers the main window dispatches on: 0x202 left button up, 0x203 left
// double click, 0x205 right button up.
class QtTray : public TrayPort {
  public:
    QtTray(QIcon normal, QIcon autoprocess, std::function<void(std::uint32_t)> onEvent);
    ~QtTray() override;

    bool Available() override;
    bool Notify(TrayMessage message, const TrayIconData& record) override;
    // Whether the icon is in the notification area now, and its image.
    bool Shown() const;
    TrayImage Image() const { return image_; }
    QString ToolTip() const;

  private:
    const QIcon& ImageFor(TrayImage image);

    QIcon normal_;
    QIcon autoprocess_;
    std::function<void(std::uint32_t)> onEvent_;
    std::unique_ptr<QSystemTrayIcon> icon_;
    TrayImage image_ = TrayImage::Normal;
};

// The tooltip of the record: the tip field up to its first NUL.
std::string TrayTip(const TrayIconData& record);

}  // namespace textmend
