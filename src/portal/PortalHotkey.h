#pragma once

#include <QDBusConnection>
#include <QDBusObjectPath>
#include <QObject>
#include <QString>
#include <QVariantMap>
#include <functional>
#include <optional>
#include <string>

#include "ports/HotkeyPort.h"

namespace textmend {

// The hotkey on a Wayland session, where no program may take keys itself: the
// desktop portal's global shortcuts (org.freedesktop.portal.GlobalShortcuts).
// Register opens a portal session and binds one shortcut with the combination
// as its preferred trigger; the desktop may ask the user to confirm or change
// it, so Register answers Held at once and the answer comes later. Each
// activation runs pressed.
//
// The program cannot see the keyboard here: ModifiersDown says true from an
// activation until the portal says the shortcut was let go (Deactivated), which
// is the nearest the portal tells; the main window stops waiting after a second
// where a desktop never says so.
//
// Without the portal on the bus nobody can hold the combination: HeldBy says
// Nobody and Register holds nothing.
class PortalHotkey : public QObject, public HotkeyPort {
    Q_OBJECT

  public:
    // problem is told, in a line of text, each bind the desktop refused or
    // failed and each bound session it ended.
    PortalHotkey(QDBusConnection bus, std::function<void()> pressed,
                 std::function<void(const std::string&)> problem = {});
    ~PortalHotkey() override;
    PortalHotkey(const PortalHotkey&) = delete;
    PortalHotkey& operator=(const PortalHotkey&) = delete;

    Grab Register(const Hotkey& hotkey) override;
    void Unregister() override;
    bool ModifiersDown() override { return down_; }
    // The desktop owns the keys: the program has nothing to send their release
    // with, and the paste goes ahead as it is.
    void ReleaseModifiers() override {}
    Holder HeldBy() override { return portal_ ? Holder::Desktop : Holder::Nobody; }

    // Whether the desktop has bound the combination last registered, and how
    // it says the user triggers it (empty until then, or when it does not say).
    bool Bound() const { return bound_; }
    const std::string& TriggerDescription() const { return trigger_; }

  private slots:
    void Activated(const QDBusObjectPath& session, const QString& id, qulonglong timestamp,
                   const QVariantMap& options);
    void Deactivated(const QDBusObjectPath& session, const QString& id, qulonglong timestamp,
                     const QVariantMap& options);
    void SessionClosed(const QVariantMap& details);

  private:
    void Bind(unsigned generation);
    void BindAnswered(std::uint32_t response, const QVariantMap& results);
    void Fail(const std::string& what);
    void Watch(const QString& session);

    QDBusConnection bus_;
    std::function<void()> pressed_;
    std::function<void(const std::string&)> problem_;
    bool portal_ = false;
    std::optional<Hotkey> hotkey_;
    unsigned generation_ = 0;  // the Register the answers in flight belong to
    QString session_;
    bool bound_ = false;
    bool down_ = false;
    std::string trigger_;
};

}  // namespace textmend
