#pragma once

#include <QDBusConnection>
#include <QObject>
#include <cstdint>
#include <functional>
#include <string>

#include "ports/AlertPorts.h"

namespace textmend {

// A notice as a desktop notification (org.freedesktop.Notifications), each
// replacing the program's last. Where the session has no notification server
// the notice goes to withoutServer (the tray icon's balloon, say).
class DesktopNotice : public QObject, public NoticePort {
    Q_OBJECT

  public:
    DesktopNotice(QDBusConnection bus, std::function<void(const std::string&)> withoutServer);

    void Notify(const std::string& text) override;

  private:
    QDBusConnection bus_;
    std::function<void(const std::string&)> withoutServer_;
    std::uint32_t last_ = 0;  // the server's number for the last notice shown
};

}  // namespace textmend
