#include "portal/PortalHotkey.h"

#include <QDBusArgument>
#include <QDBusMetaType>

#include "portal/PortalRequest.h"
#include "portal/PortalTrigger.h"

namespace textmend {
namespace {

constexpr const char* kInterface = "org.freedesktop.portal.GlobalShortcuts";
constexpr const char* kShortcutId = "clean-and-paste";

}  // namespace

// One shortcut as BindShortcuts takes it: (sa{sv}).
struct PortalShortcut {
    QString id;
    QVariantMap properties;
};

QDBusArgument& operator<<(QDBusArgument& argument, const PortalShortcut& shortcut) {
    argument.beginStructure();
    argument << shortcut.id << shortcut.properties;
    argument.endStructure();
    return argument;
}

const QDBusArgument& operator>>(const QDBusArgument& argument, PortalShortcut& shortcut) {
    argument.beginStructure();
    argument >> shortcut.id >> shortcut.properties;
    argument.endStructure();
    return argument;
}

}  // namespace textmend

Q_DECLARE_METATYPE(textmend::PortalShortcut)

namespace textmend {

PortalHotkey::PortalHotkey(QDBusConnection bus, std::function<void()> pressed,
                           std::function<void(const std::string&)> problem)
    : bus_(std::move(bus)), pressed_(std::move(pressed)), problem_(std::move(problem)) {
    qDBusRegisterMetaType<PortalShortcut>();
    qDBusRegisterMetaType<QList<PortalShortcut>>();
    // A signal is taken only into a slot whose argument types are known by then.
    qRegisterMetaType<QDBusObjectPath>();
    bus_.connect(kPortalService, kPortalPath, kInterface, QStringLiteral("Activated"), this,
                 SLOT(Activated(QDBusObjectPath, QString, qulonglong, QVariantMap)));
    bus_.connect(kPortalService, kPortalPath, kInterface, QStringLiteral("Deactivated"), this,
                 SLOT(Deactivated(QDBusObjectPath, QString, qulonglong, QVariantMap)));
    portal_ = PortalVersion(bus_, kInterface).has_value();
}

PortalHotkey::~PortalHotkey() {
    Unregister();
}

// A portal session binds its shortcuts once: another combination takes a new
// session. The same combination again is bound only when the last bind failed.
HotkeyPort::Grab PortalHotkey::Register(const Hotkey& hotkey) {
    if (!portal_ || (hotkey_ == hotkey && (bound_ || !session_.isEmpty()))) {
        return Grab::Held;
    }
    Unregister();
    hotkey_ = hotkey;
    const unsigned generation = generation_;
    CallPortal(bus_, kInterface, QStringLiteral("CreateSession"), {},
               {{QStringLiteral("session_handle_token"), QStringLiteral("textmend")}},
               [this, generation](std::uint32_t response, const QVariantMap& results) {
                   if (generation != generation_) {
                       CloseSession(bus_, SessionHandle(results));
                   } else if (response != kGranted || SessionHandle(results).isEmpty()) {
                       Fail("the desktop opened no shortcut session");
                   } else {
                       Watch(SessionHandle(results));
                       Bind(generation);
                   }
               });
    return Grab::Held;
}

void PortalHotkey::Bind(unsigned generation) {
    const QList<PortalShortcut> shortcuts{
        {QString::fromLatin1(kShortcutId),
         {{QStringLiteral("description"),
           QStringLiteral("Clean the clipboard's text and paste it")},
          {QStringLiteral("preferred_trigger"),
           QString::fromStdString(PreferredTrigger(*hotkey_))}}}};
    CallPortal(
        bus_, kInterface, QStringLiteral("BindShortcuts"),
        {QVariant::fromValue(QDBusObjectPath(session_)), QVariant::fromValue(shortcuts), QString()},
        {}, [this, generation](std::uint32_t response, const QVariantMap& results) {
            if (generation == generation_) {
                BindAnswered(response, results);
            }
        });
}

void PortalHotkey::BindAnswered(std::uint32_t response, const QVariantMap& results) {
    if (response == kCancelled) {
        Fail("the user did not confirm the hotkey");
        return;
    }
    if (response != kGranted) {
        Fail("the desktop did not bind the hotkey");
        return;
    }
    bound_ = true;
    const auto bound =
        qdbus_cast<QList<PortalShortcut>>(results.value(QStringLiteral("shortcuts")));
    for (const PortalShortcut& shortcut : bound) {
        if (shortcut.id == QLatin1String(kShortcutId)) {
            trigger_ = shortcut.properties.value(QStringLiteral("trigger_description"))
                           .toString()
                           .toStdString();
        }
    }
}

// Listens for the desktop ending session, and for no other session's end.
void PortalHotkey::Watch(const QString& session) {
    const QString interface = QStringLiteral("org.freedesktop.portal.Session");
    if (!session_.isEmpty()) {
        bus_.disconnect(kPortalService, session_, interface, QStringLiteral("Closed"), this,
                        SLOT(SessionClosed(QVariantMap)));
    }
    session_ = session;
    if (!session_.isEmpty()) {
        bus_.connect(kPortalService, session_, interface, QStringLiteral("Closed"), this,
                     SLOT(SessionClosed(QVariantMap)));
    }
}

void PortalHotkey::SessionClosed(const QVariantMap&) {
    Watch(QString());
    bound_ = false;
    down_ = false;
    if (problem_) {
        problem_("the desktop ended the hotkey's session");
    }
}

void PortalHotkey::Fail(const std::string& what) {
    CloseSession(bus_, session_);
    Watch(QString());
    if (problem_) {
        problem_(what);
    }
}

void PortalHotkey::Unregister() {
    ++generation_;
    CloseSession(bus_, session_);
    Watch(QString());
    hotkey_.reset();
    bound_ = false;
    down_ = false;
    trigger_.clear();
}

void PortalHotkey::Activated(const QDBusObjectPath& session, const QString& id, qulonglong,
                             const QVariantMap&) {
    if (bound_ && session.path() == session_ && id == QLatin1String(kShortcutId)) {
        down_ = true;
        pressed_();
    }
}

void PortalHotkey::Deactivated(const QDBusObjectPath& session, const QString& id, qulonglong,
                               const QVariantMap&) {
    if (session.path() == session_ && id == QLatin1String(kShortcutId)) {
        down_ = false;
    }
}

}  // namespace textmend
