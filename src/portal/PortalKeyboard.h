#pragma once

#include <QDBusConnection>
#include <QObject>
#include <QString>
#include <QVariant>
#include <QVariantMap>
#include <cstdint>
#include <functional>

#include "ports/HotkeyPort.h"

namespace textmend {

// Types the paste through the desktop portal's remote control
// (org.freedesktop.portal.RemoteDesktop), where the compositor offers no
// virtual keyboard. The first paste starts a session for the keyboard, which
// the desktop asks the user to allow; the paste is typed once it has. The
// session is kept for the program's run; where the portal can restore one
// (version 2 and later), its token brings back a session the desktop ended
// without asking again.
//
// A refusal holds for the run: that paste ends in refused, and every later one
// throws CannotTypeError, as does every paste without the portal.
class PortalKeyboard : public QObject, public KeyboardPort {
    Q_OBJECT

  public:
    PortalKeyboard(QDBusConnection bus, std::function<void()> refused);
    ~PortalKeyboard() override;
    PortalKeyboard(const PortalKeyboard&) = delete;
    PortalKeyboard& operator=(const PortalKeyboard&) = delete;

    // Wayland tells no client which window has the focus: the paste goes where
    // the desktop sends keys.
    std::uintptr_t FocusedWindow() override { return 0; }
    void Paste(std::uintptr_t window) override;

  private slots:
    void SessionClosed(const QVariantMap& details);

  private:
    enum class State : std::uint8_t { Idle, Starting, Started, Refused };

    void Start();
    void SelectKeyboard(const QString& session);
    void AskToStart();
    QVariant SessionArgument() const;
    void Answered(const char* step, std::uint32_t response, const QVariantMap& results,
                  const std::function<void()>& next);
    void Refuse();
    void TypeCtrlV();
    void Key(int keysym, bool pressed);

    QDBusConnection bus_;
    std::function<void()> refused_;
    bool portal_ = false;
    std::uint32_t version_ = 0;
    State state_ = State::Idle;
    bool pastePending_ = false;
    QString session_;
    QString restoreToken_;
};

}  // namespace textmend
