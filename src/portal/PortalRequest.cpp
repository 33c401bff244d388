#include "portal/PortalRequest.h"

#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusVariant>

namespace textmend {
namespace {

constexpr const char* kRequestInterface = "org.freedesktop.portal.Request";
// A property read involves no user; a portal being started for it may take a moment.
constexpr int kVersionTimeoutMs = 3000;

QString NextToken() {
    static unsigned next = 0;
    return QStringLiteral("textmend%1").arg(++next);
}

// Where the portal puts the Request object for token: known before the call, so
// the Response cannot come before the program listens.
QString RequestPath(const QDBusConnection& bus, const QString& token) {
    QString sender = bus.baseService().mid(1);
    sender.replace(QLatin1Char('.'), QLatin1Char('_'));
    return QStringLiteral("/org/freedesktop/portal/desktop/request/%1/%2").arg(sender, token);
}

}  // namespace

PortalRequestWaiter::PortalRequestWaiter(QDBusConnection bus, PortalAnswer answered)
    : bus_(std::move(bus)), answered_(std::move(answered)) {}

PortalRequestWaiter::~PortalRequestWaiter() {
    Watch(QString());
}

void PortalRequestWaiter::Watch(const QString& path) {
    if (path == path_) {
        return;
    }
    if (!path_.isEmpty()) {
        bus_.disconnect(kPortalService, path_, kRequestInterface, QStringLiteral("Response"), this,
                        SLOT(Response(uint, QVariantMap)));
    }
    path_ = path;
    if (!path_.isEmpty()) {
        bus_.connect(kPortalService, path_, kRequestInterface, QStringLiteral("Response"), this,
                     SLOT(Response(uint, QVariantMap)));
    }
}

void PortalRequestWaiter::Finish(std::uint32_t response, const QVariantMap& results) {
    if (!answered_) {
        return;
    }
    const PortalAnswer answered = std::move(answered_);
    answered_ = nullptr;
    Watch(QString());
    deleteLater();
    answered(response, results);
}

void PortalRequestWaiter::Response(uint response, const QVariantMap& results) {
    Finish(response, results);
}

void CallPortal(QDBusConnection bus, const QString& interface, const QString& method,
                QVariantList arguments, QVariantMap options, PortalAnswer answered) {
    const QString token = NextToken();
    options.insert(QStringLiteral("handle_token"), token);
    arguments.append(options);
    auto* waiter = new PortalRequestWaiter(bus, std::move(answered));
    waiter->Watch(RequestPath(bus, token));

    QDBusMessage call =
        QDBusMessage::createMethodCall(kPortalService, kPortalPath, interface, method);
    call.setArguments(arguments);
    auto* pending = new QDBusPendingCallWatcher(bus.asyncCall(call), waiter);
    QObject::connect(pending, &QDBusPendingCallWatcher::finished, waiter,
                     [waiter](QDBusPendingCallWatcher* finished) {
                         finished->deleteLater();
                         if (!waiter->Waiting()) {
                             return;
                         }
                         const QDBusPendingReply<QDBusObjectPath> reply = *finished;
                         if (reply.isError()) {
                             waiter->Finish(kEnded, {});
                         } else {
                             // A portal older than the handle_token rule names its own.
                             waiter->Watch(reply.value().path());
                         }
                     });
}

std::optional<std::uint32_t> PortalVersion(QDBusConnection bus, const QString& interface) {
    QDBusMessage get = QDBusMessage::createMethodCall(
        kPortalService, kPortalPath, QStringLiteral("org.freedesktop.DBus.Properties"),
        QStringLiteral("Get"));
    get.setArguments({interface, QStringLiteral("version")});
    const QDBusMessage reply = bus.call(get, QDBus::Block, kVersionTimeoutMs);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) {
        return std::nullopt;
    }
    const QVariant value = reply.arguments().first().value<QDBusVariant>().variant();
    bool ok = false;
    const std::uint32_t version = value.toUInt(&ok);
    return ok ? std::optional(version) : std::nullopt;
}

QString SessionHandle(const QVariantMap& results) {
    const QVariant handle = results.value(QStringLiteral("session_handle"));
    if (handle.metaType() == QMetaType::fromType<QDBusObjectPath>()) {
        return handle.value<QDBusObjectPath>().path();
    }
    return handle.toString();
}

void CloseSession(QDBusConnection bus, const QString& session) {
    if (session.isEmpty()) {
        return;
    }
    bus.send(QDBusMessage::createMethodCall(kPortalService, session,
                                            QStringLiteral("org.freedesktop.portal.Session"),
                                            QStringLiteral("Close")));
}

}  // namespace textmend
