// The hotkey, the paste and the notice through the desktop's D-Bus services,
// against the tests' fake portal (fake-portal.py) on a private session bus.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QThread>

#include "MainHarness.h"
#include "portal/DesktopNotice.h"
#include "portal/PortalHotkey.h"
#include "portal/PortalKeyboard.h"
#include "portal/PortalTrigger.h"

namespace textmend::testing {
namespace {

QDBusConnection Bus() {
    static int argc = 1;
    static char name[] = "portal_tests";
    static char* argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
    return QDBusConnection::sessionBus();
}

bool WaitUntil(const std::function<bool()>& done) {
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > 5000) {
            return false;
        }
        QCoreApplication::processEvents();
        QThread::msleep(5);
    }
    return true;
}

QVariantList Control(const QString& method, const QVariantList& arguments = {}) {
    QDBusMessage call = QDBusMessage::createMethodCall("org.textmend.FakePortal", "/control",
                                                       "org.textmend.FakePortal", method);
    call.setArguments(arguments);
    const QDBusMessage reply = Bus().call(call);
    EXPECT_EQ(reply.type(), QDBusMessage::ReplyMessage) << reply.errorMessage().toStdString();
    return reply.arguments();
}

// The calls the fake took, each {"method", "args"}, named method only when given.
QJsonArray Calls(const QString& method = {}) {
    const QJsonArray all =
        QJsonDocument::fromJson(Control("Calls").value(0).toString().toUtf8()).array();
    QJsonArray chosen;
    for (const auto& call : all) {
        if (method.isEmpty() || call.toObject()["method"].toString() == method) {
            chosen.append(call);
        }
    }
    return chosen;
}

class Portal : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(WaitUntil([] {
            return Bus().interface()->isServiceRegistered("org.textmend.FakePortal").value();
        })) << "the fake portal did not start";
        Control("Reset");
    }
};

TEST(PreferredTrigger, SpellsKeysAsTheDesktopsShortcutNotation) {
    const struct {
        const char* hotkey;
        const char* trigger;
    } cases[] = {
        {"Ctrl+Alt+V", "CTRL+ALT+v"},
        {"Ctrl+Shift+Win+F12", "CTRL+SHIFT+LOGO+F12"},
        {"Alt+7", "ALT+7"},
        {"Win+Space", "LOGO+space"},
        {"Ctrl+Enter", "CTRL+Return"},
        {"Ctrl+Backspace", "CTRL+BackSpace"},
        {"Alt+PageDown", "ALT+Page_Down"},
        {"Ctrl+Delete", "CTRL+Delete"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(PreferredTrigger(*ParseHotkey(c.hotkey)), c.trigger) << c.hotkey;
    }
}

TEST_F(Portal, TheHotkeyIsBoundAsThePreferredTriggerAndEachActivationPresses) {
    int presses = 0;
    PortalHotkey hotkey(Bus(), [&] { ++presses; });
    ASSERT_EQ(hotkey.HeldBy(), HotkeyPort::Holder::Desktop);
    EXPECT_EQ(hotkey.Register(*ParseHotkey("Ctrl+Alt+V")), HotkeyPort::Grab::Held);
    ASSERT_TRUE(WaitUntil([&] { return hotkey.Bound(); }));
    const QJsonArray bind = Calls("BindShortcuts").at(0)["args"].toArray();
    const QJsonArray shortcut = bind.at(1).toArray().at(0).toArray();
    EXPECT_EQ(shortcut.at(0).toString(), "clean-and-paste");
    EXPECT_EQ(shortcut.at(1)["preferred_trigger"].toString(), "CTRL+ALT+v");
    const QJsonObject create = Calls("CreateSession").at(0)["args"][0].toObject();
    EXPECT_TRUE(create.contains("handle_token") && create.contains("session_handle_token"));
    EXPECT_TRUE(bind.at(0).toString().startsWith("/org/freedesktop/portal/desktop/session/"))
        << "bound in the session created";
    EXPECT_TRUE(bind.at(3).toObject().contains("handle_token"));
    EXPECT_EQ(hotkey.TriggerDescription(), "Press CTRL+ALT+v") << "what the desktop said";

    Control("Activate", {"clean-and-paste", false});
    ASSERT_TRUE(WaitUntil([&] { return presses == 1; }));
    EXPECT_TRUE(hotkey.ModifiersDown()) << "until the desktop says it was let go";
    Control("Activate", {"clean-and-paste", true});
    EXPECT_TRUE(WaitUntil([&] { return !hotkey.ModifiersDown(); }));
    Control("Activate", {"another-shortcut", false});

    // Another combination: the bound session is closed and a new one bound.
    const QString first = bind.at(0).toString();
    hotkey.Register(*ParseHotkey("Ctrl+Win+F9"));
    ASSERT_TRUE(WaitUntil([&] { return hotkey.Bound(); }));
    EXPECT_EQ(Calls("Close").at(0)["args"].toArray().at(0).toString(), first);
    EXPECT_EQ(Calls("BindShortcuts")
                  .at(1)["args"][1]
                  .toArray()
                  .at(0)
                  .toArray()
                  .at(1)["preferred_trigger"]
                  .toString(),
              "CTRL+LOGO+F9");
    EXPECT_EQ(presses, 1) << "other shortcuts press nothing";
}

TEST_F(Portal, ABindTheUserCancelsOrTheDesktopEndsIsReportedAndTriedAgainNextTime) {
    Control("Answer", {"BindShortcuts", 1u});
    std::vector<std::string> problems;
    PortalHotkey hotkey(
        Bus(), [] {}, [&](const std::string& problem) { problems.push_back(problem); });
    hotkey.Register(*ParseHotkey("Ctrl+Alt+V"));
    ASSERT_TRUE(WaitUntil([&] { return !problems.empty(); }));
    EXPECT_FALSE(hotkey.Bound());
    Control("Answer", {"BindShortcuts", 0u});
    hotkey.Register(*ParseHotkey("Ctrl+Alt+V"));
    ASSERT_TRUE(WaitUntil([&] { return hotkey.Bound(); }));

    Control("EndSession", {false});
    EXPECT_TRUE(WaitUntil([&] { return problems.size() == 2 && !hotkey.Bound(); }))
        << "a session the desktop ends is said too";
}

TEST_F(Portal, WithoutThePortalNobodyHoldsTheKeysAndNothingIsTyped) {
    Control("Offer", {"org.freedesktop.portal.GlobalShortcuts", false});
    Control("Offer", {"org.freedesktop.portal.RemoteDesktop", false});
    PortalHotkey hotkey(Bus(), [] {});
    EXPECT_EQ(hotkey.HeldBy(), HotkeyPort::Holder::Nobody);
    hotkey.Register(*ParseHotkey("Ctrl+Alt+V"));
    PortalKeyboard keyboard(Bus(), [] {});
    EXPECT_THROW(keyboard.Paste(0), CannotTypeError);
    QCoreApplication::processEvents();
    EXPECT_TRUE(Calls().isEmpty());
}

// An activation reaches the main window, which cleans the clipboard and pastes
// through a keyboard session the desktop grants once.
TEST_F(Portal, AnActivationCleansAndPastesThroughTheRemoteKeyboard) {
    MainHarness* core = nullptr;
    PortalHotkey hotkey(Bus(), [&] { core->form->HotkeyPressed(); });
    int refusals = 0;
    PortalKeyboard keyboard(Bus(), [&] { ++refusals; });
    MainHarness h(hotkey, keyboard);
    core = &h;
    h.settings.StoreText("hotkey", "Ctrl+Alt+V");
    h.Load();
    h.ChooseOptions("optUpper", {});
    ASSERT_TRUE(WaitUntil([&] { return hotkey.Bound(); }));
    h.clipboard.Copy("some text");

    for (int press = 1; press <= 2; ++press) {
        Control("Activate", {"clean-and-paste", false});
        ASSERT_TRUE(WaitUntil([&] { return h.timers.Running("TimerHotkey"); }));
        Control("Activate", {"clean-and-paste", true});
        ASSERT_TRUE(WaitUntil([&] { return !hotkey.ModifiersDown(); }));
        h.form->Tick("TimerHotkey");
        ASSERT_TRUE(WaitUntil([&] { return Calls("NotifyKeyboardKeysym").size() == 4 * press; }));
        while (h.timers.Running("TimerHotkey")) {  // the paste's own keys come back
            h.form->Tick("TimerHotkey");
        }
    }
    EXPECT_EQ(h.clipboard.Text(), "SOME TEXT");
    EXPECT_EQ(Calls("Start").size(), 1) << "the desktop asks once";
    const QJsonObject devices = Calls("SelectDevices").at(0)["args"][1].toObject();
    EXPECT_EQ(devices["types"].toInt(), 1) << "the keyboard";
    EXPECT_EQ(devices["persist_mode"].toInt(), 1) << "for the program's run";
    const int keys[][2] = {{0xffe3, 1}, {0x76, 1}, {0x76, 0}, {0xffe3, 0}};
    const QJsonArray typed = Calls("NotifyKeyboardKeysym");
    for (int key = 0; key < 4; ++key) {
        EXPECT_EQ(typed.at(key)["args"][2].toInt(), keys[key][0]) << key;
        EXPECT_EQ(typed.at(key)["args"][3].toInt(), keys[key][1]) << key;
    }
    EXPECT_EQ(refusals, 0);

    // A session the desktop ends comes back through its restore token.
    Control("EndSession", {true});
    QCoreApplication::processEvents();
    ASSERT_TRUE(WaitUntil([&] {
        keyboard.Paste(0);
        return Calls("SelectDevices").size() == 2;
    }));
    EXPECT_EQ(Calls("SelectDevices").at(1)["args"][1]["restore_token"].toString(), "restore-1");
}

// A refusal leaves the cleaned text with the notice, then and for every later paste.
TEST_F(Portal, ARefusedKeyboardLeavesTheCleanedTextWithTheNotice) {
    Control("Answer", {"Start", 1u});
    MainHarness* core = nullptr;
    Journal journal;
    FakeHotkey unused(journal);
    PortalKeyboard keyboard(Bus(), [&] { core->form->PasteRefused(); });
    MainHarness h(unused, keyboard);
    core = &h;
    h.Load();
    h.ChooseOptions("optUpper", {});
    h.clipboard.Copy("some text");
    h.form->HotkeyPressed();
    ASSERT_TRUE(WaitUntil([&] { return !h.notice.notices.empty(); }));
    EXPECT_EQ(h.notice.notices.at(0), "Cleaned: press Ctrl+V to paste");
    EXPECT_EQ(h.clipboard.Text(), "SOME TEXT");
    while (h.timers.Running("TimerHotkey")) {
        h.form->Tick("TimerHotkey");
    }
    h.form->HotkeyPressed();
    EXPECT_EQ(h.notice.notices.size(), 2u) << "at once, without asking again";
    EXPECT_EQ(Calls("Start").size(), 1);
    EXPECT_TRUE(Calls("NotifyKeyboardKeysym").isEmpty());
    EXPECT_EQ(Calls("Close").size(), 1) << "the refused session is ended";
}

TEST_F(Portal, TheNoticeIsADesktopNotificationOrGoesElsewhereWithoutAServer) {
    std::vector<std::string> elsewhere;
    DesktopNotice notice(Bus(), [&](const std::string& text) { elsewhere.push_back(text); });
    notice.Notify("Cleaned: press Ctrl+V to paste");
    ASSERT_TRUE(WaitUntil([&] { return Calls("Notify").size() == 1; }));
    EXPECT_EQ(Calls("Notify").at(0)["args"][3].toString(), "Cleaned: press Ctrl+V to paste");
    Control("Offer", {"notifications", false});
    notice.Notify("second");
    ASSERT_TRUE(WaitUntil([&] { return !elsewhere.empty(); }));
    EXPECT_EQ(elsewhere, std::vector<std::string>{"second"});
}

}  // namespace
}  // namespace textmend::testing
