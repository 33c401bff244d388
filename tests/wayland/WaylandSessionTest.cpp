// The choice between a native Wayland program and X11, against Sway (data-control)
// and Weston (none) from with-sway.sh.

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdlib>
#include <optional>
#include <string>

#include "SwaySession.h"
#include "wayland/WaylandClipboardClient.h"
#include "wayland/WaylandSession.h"

namespace textmend {
namespace {

// Sets WAYLAND_DISPLAY (unsets it for nothing) until it goes out of scope.
class DisplayVariable {
  public:
    explicit DisplayVariable(const std::optional<std::string>& value) {
        if (const char* old = std::getenv("WAYLAND_DISPLAY")) {
            old_ = old;
        }
        Set(value);
    }
    ~DisplayVariable() { Set(old_); }

  private:
    static void Set(const std::optional<std::string>& value) {
        if (value) {
            setenv("WAYLAND_DISPLAY", value->c_str(), 1);
        } else {
            unsetenv("WAYLAND_DISPLAY");
        }
    }
    std::optional<std::string> old_;
};

TEST(ProbeWaylandSession, RunsNativelyOnlyWhereTheCompositorOffersDataControl) {
    TEXTMEND_REQUIRE_SWAY();
    const char* weston = std::getenv("TEXTMEND_WESTON_DISPLAY");
    const struct {
        const char* what;
        std::optional<std::string> display;
        bool hasDisplay;
        DataControlProtocol dataControl;
        bool virtualKeyboard;
        std::string platform;
    } cases[] = {
        {"Sway 1.7", std::getenv("WAYLAND_DISPLAY"), true, DataControlProtocol::Wlr, true,
         "wayland"},
        {"no session", std::nullopt, false, DataControlProtocol::None, false, "xcb"},
        {"an empty variable", "", false, DataControlProtocol::None, false, "xcb"},
        {"a compositor gone", "wayland-gone", true, DataControlProtocol::None, false, "xcb"},
    };
    for (const auto& c : cases) {
        const DisplayVariable display(c.display);
        const WaylandSession session = ProbeWaylandSession();
        EXPECT_EQ(session.hasDisplay, c.hasDisplay) << c.what;
        EXPECT_EQ(session.dataControl, c.dataControl) << c.what;
        EXPECT_EQ(session.virtualKeyboard, c.virtualKeyboard) << c.what;
        EXPECT_EQ(session.ToolkitPlatform(), c.platform) << c.what;
    }
    if (weston == nullptr) {
        GTEST_SKIP() << "Weston did not start";
    }
    const DisplayVariable display{std::string(weston)};
    const WaylandSession session = ProbeWaylandSession();
    EXPECT_TRUE(session.hasDisplay);
    EXPECT_EQ(session.dataControl, DataControlProtocol::None) << "Weston";
    EXPECT_EQ(session.ToolkitPlatform(), std::string("xcb")) << "Weston";
}

TEST(WaylandClipboardClient, SpeaksTheProtocolTheCompositorOffers) {
    TEXTMEND_REQUIRE_SWAY();
    const WaylandClipboardClient client;
    EXPECT_STREQ(client.ProtocolName(), "wlr_data_control_unstable_v1") << "Sway 1.7";
}

TEST(WaylandClipboardClient, TurnsDownACompositorWithoutDataControl) {
    const char* weston = std::getenv("TEXTMEND_WESTON_DISPLAY");
    if (weston == nullptr) {
        GTEST_SKIP() << "Weston did not start";
    }
    const DisplayVariable display{std::string(weston)};
    try {
        WaylandClipboardClient client;
        ADD_FAILURE() << "a clipboard client without data-control";
    } catch (const StepError& error) {
        EXPECT_EQ(error.number(), EPROTONOSUPPORT);
    }
}

}  // namespace
}  // namespace textmend
