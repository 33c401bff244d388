#pragma once

#include <QIcon>
#include <functional>
#include <memory>

#include "ports/TrayPort.h"

class QSystemTrayIcon;

namespace textmend {

// The notification-area icon. A click or double click on it reaches onEvent as
// Activate, the context click as OpenMenu.
class QtTray : public TrayPort {
  public:
    QtTray(QIcon normal, QIcon autoprocess, std::function<void(TrayEvent)> onEvent);
    ~QtTray() override;

    bool Available() override;
    bool Add(TrayImage image, const std::string& tip) override;
    bool Change(TrayImage image) override;
    void Remove() override;
    // A short message by the icon, where it is shown; false when it is not.
    bool ShowMessage(const std::string& text);

  private:
    const QIcon& IconOf(TrayImage image) const;

    QIcon normal_;
    QIcon autoprocess_;
    std::function<void(TrayEvent)> onEvent_;
    std::unique_ptr<QSystemTrayIcon> icon_;
};

}  // namespace textmend
