#include "portal/PortalKeyboard.h"

#include <QDBusMessage>
#include <QDBusObjectPath>
#include <cerrno>
#include <string_view>
#include <utility>

#include "portal/PortalRequest.h"

namespace textmend {
namespace {

constexpr const char* kInterface = "org.freedesktop.portal.RemoteDesktop";
constexpr std::uint32_t kKeyboardDevice = 1;
constexpr std::uint32_t kPersistWhileRunning = 1;
constexpr std::uint32_t kPersistSince = 2;  // the first version with persist_mode
constexpr int kControlL = 0xffe3;
constexpr int kLetterV = 0x0076;

}  // namespace

PortalKeyboard::PortalKeyboard(QDBusConnection bus, std::function<void()> refused)
    : bus_(std::move(bus)), refused_(std::move(refused)) {
    const auto version = PortalVersion(bus_, kInterface);
    portal_ = version.has_value();
    version_ = version.value_or(0);
}

PortalKeyboard::~PortalKeyboard() {
    CloseSession(bus_, session_);
}

void PortalKeyboard::Paste(std::uintptr_t) {
    if (!portal_) {
        throw CannotTypeError(ENOTSUP, "The desktop offers no keyboard to paste with.");
    }
    switch (state_) {
        case State::Refused:
            throw CannotTypeError(EACCES, "The desktop did not allow the program to type.");
        case State::Started:
            TypeCtrlV();
            return;
        case State::Starting:
            pastePending_ = true;
            return;
        case State::Idle:
            pastePending_ = true;
            Start();
            return;
    }
}

// CreateSession, SelectDevices (the keyboard), then Start, where the desktop
// asks; each step goes on only when the last was granted.
void PortalKeyboard::Start() {
    state_ = State::Starting;
    CallPortal(bus_, kInterface, QStringLiteral("CreateSession"), {},
               {{QStringLiteral("session_handle_token"), QStringLiteral("textmend")}},
               [this](std::uint32_t response, const QVariantMap& results) {
                   Answered("CreateSession", response, results,
                            [this, results] { SelectKeyboard(SessionHandle(results)); });
               });
}

void PortalKeyboard::SelectKeyboard(const QString& session) {
    session_ = session;
    bus_.connect(kPortalService, session_, QStringLiteral("org.freedesktop.portal.Session"),
                 QStringLiteral("Closed"), this, SLOT(SessionClosed(QVariantMap)));
    QVariantMap options{{QStringLiteral("types"), kKeyboardDevice}};
    if (version_ >= kPersistSince) {
        options.insert(QStringLiteral("persist_mode"), kPersistWhileRunning);
        if (!restoreToken_.isEmpty()) {
            options.insert(QStringLiteral("restore_token"), restoreToken_);
        }
    }
    CallPortal(bus_, kInterface, QStringLiteral("SelectDevices"), {SessionArgument()}, options,
               [this](std::uint32_t response, const QVariantMap& results) {
                   Answered("SelectDevices", response, results, [this] { AskToStart(); });
               });
}

void PortalKeyboard::AskToStart() {
    CallPortal(bus_, kInterface, QStringLiteral("Start"), {SessionArgument(), QString()}, {},
               [this](std::uint32_t response, const QVariantMap& results) {
                   Answered("Start", response, results, [this, results] {
                       restoreToken_ = results.value(QStringLiteral("restore_token")).toString();
                       state_ = State::Started;
                       if (pastePending_) {
                           TypeCtrlV();
                       }
                   });
               });
}

QVariant PortalKeyboard::SessionArgument() const {
    return QVariant::fromValue(QDBusObjectPath(session_));
}

void PortalKeyboard::Answered(const char* step, std::uint32_t response, const QVariantMap& results,
                              const std::function<void()>& next) {
    if (state_ != State::Starting) {
        return;
    }
    const bool keyboard = std::string_view(step) != "Start" ||
                          (results.value(QStringLiteral("devices")).toUInt() & kKeyboardDevice);
    if (response != kGranted || !keyboard) {
        Refuse();
        return;
    }
    next();
}

void PortalKeyboard::Refuse() {
    CloseSession(bus_, session_);
    session_.clear();
    state_ = State::Refused;
    if (std::exchange(pastePending_, false)) {
        refused_();
    }
}

void PortalKeyboard::SessionClosed(const QVariantMap&) {
    if (state_ == State::Started) {
        state_ = State::Idle;
        session_.clear();
    }
}

void PortalKeyboard::TypeCtrlV() {
    pastePending_ = false;
    Key(kControlL, true);
    Key(kLetterV, true);
    Key(kLetterV, false);
    Key(kControlL, false);
}

// Calls from one connection reach the portal in the order they were sent.
void PortalKeyboard::Key(int keysym, bool pressed) {
    QDBusMessage call = QDBusMessage::createMethodCall(kPortalService, kPortalPath, kInterface,
                                                       QStringLiteral("NotifyKeyboardKeysym"));
    call.setArguments(
        {SessionArgument(), QVariantMap(), keysym, static_cast<std::uint32_t>(pressed ? 1 : 0)});
    bus_.send(call);
}

}  // namespace textmend
