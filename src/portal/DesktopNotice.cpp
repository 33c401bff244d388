#include "portal/DesktopNotice.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QStringList>
#include <QVariantMap>

namespace textmend {
namespace {

constexpr int kServerDefaultTimeout = -1;

}  // namespace

DesktopNotice::DesktopNotice(QDBusConnection bus,
                             std::function<void(const std::string&)> withoutServer)
    : bus_(std::move(bus)), withoutServer_(std::move(withoutServer)) {}

void DesktopNotice::Notify(const std::string& text) {
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.Notifications"),
        QStringLiteral("/org/freedesktop/Notifications"),
        QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("Notify"));
    call.setArguments({QStringLiteral("Textmend"), last_, QStringLiteral("textmend"),
                       QString::fromStdString(text), QString(), QStringList(), QVariantMap(),
                       kServerDefaultTimeout});
    auto* pending = new QDBusPendingCallWatcher(bus_.asyncCall(call), this);
    connect(pending, &QDBusPendingCallWatcher::finished, this,
            [this, text](QDBusPendingCallWatcher* finished) {
                finished->deleteLater();
                const QDBusPendingReply<std::uint32_t> reply = *finished;
                if (reply.isError()) {
                    if (withoutServer_) {
                        withoutServer_(text);
                    }
                } else {
                    last_ = reply.value();
                }
            });
}

}  // namespace textmend
