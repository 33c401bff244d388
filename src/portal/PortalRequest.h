#pragma once

// A call to the desktop portal that answers later: the portal returns a Request
// object at once and signals the user's answer on it as Response. The answer's
// code is 0 when granted, 1 when the user cancelled, 2 for any other end.

#include <QDBusConnection>
#include <QObject>
#include <QString>
#include <QVariant>
#include <QVariantMap>
#include <cstdint>
#include <functional>
#include <optional>

namespace textmend {

inline constexpr const char* kPortalService = "org.freedesktop.portal.Desktop";
inline constexpr const char* kPortalPath = "/org/freedesktop/portal/desktop";

enum PortalResponse : std::uint32_t { kGranted = 0, kCancelled = 1, kEnded = 2 };

using PortalAnswer = std::function<void(std::uint32_t response, const QVariantMap& results)>;

// Calls method of interface on the portal with arguments, then options (which
// gains the handle_token), and hands the Response to answered on this thread.
// A call the portal rejects is answered as kEnded.
void CallPortal(QDBusConnection bus, const QString& interface, const QString& method,
                QVariantList arguments, QVariantMap options, PortalAnswer answered);

// The version of interface the portal offers on bus; nothing when it offers none.
std::optional<std::uint32_t> PortalVersion(QDBusConnection bus, const QString& interface);

// A session handle from a Response's results (an object path, or a string from
// older portals); empty when there is none.
QString SessionHandle(const QVariantMap& results);

// Ends a portal session, without waiting.
void CloseSession(QDBusConnection bus, const QString& session);

// Waits for one Response on one Request object.
class PortalRequestWaiter : public QObject {
    Q_OBJECT

  public:
    PortalRequestWaiter(QDBusConnection bus, PortalAnswer answered);
    ~PortalRequestWaiter() override;
    PortalRequestWaiter(const PortalRequestWaiter&) = delete;
    PortalRequestWaiter& operator=(const PortalRequestWaiter&) = delete;

    // Listens on path, and on no other.
    void Watch(const QString& path);
    bool Waiting() const { return static_cast<bool>(answered_); }
    // Ends the wait with response unless it has ended already.
    void Finish(std::uint32_t response, const QVariantMap& results);

  private slots:
    void Response(uint response, const QVariantMap& results);

  private:
    QDBusConnection bus_;
    PortalAnswer answered_;
    QString path_;
};

}  // namespace textmend
