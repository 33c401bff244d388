// The About dialog: title and version, and starting the system-information tool
// where the system says it is.

#include <gtest/gtest.h>

#include "MainHarness.h"
#include "dialogs/frmAbout.h"

namespace textmend::testing {
namespace {

const std::string kUnavailable = "System Information Is Unavailable At This Time";

struct About {
    Journal journal;
    FakeSystem system;
    FakeMessageBox messages;
    FakeWindow window{journal};
    frmAbout dialog{system, messages, AppVersion{2, 3, 4}};

    bool ShowedUnavailable() const {
        return messages.shown ==
               std::vector<std::pair<std::string, std::string>>{{kUnavailable, "Textmend"}};
    }
};

TEST(AboutLoad, SetsTitleVersionAndCaptionAndCentres) {
    About a;
    a.dialog.Form_Load(a.window);
    EXPECT_EQ(a.dialog.Caption(), "About Textmend");
    EXPECT_EQ(a.dialog.Control("lblTitle")->text, "Textmend");
    EXPECT_EQ(a.dialog.Control("lblVersion")->text, "Version 2.3.4");
    ASSERT_TRUE(a.window.position);
    EXPECT_DOUBLE_EQ(a.window.position->first, (28800.0 - 5085.0) / 2);
    EXPECT_DOUBLE_EQ(a.window.position->second, (16200.0 - 4725.0) / 2);
}

TEST(AboutLoad, WritesVersionNumbersWithoutLeadingZeros) {
    About a;
    frmAbout dialog(a.system, a.messages, AppVersion{10, 0, 7});
    dialog.Form_Load(a.window);
    EXPECT_EQ(dialog.Control("lblVersion")->text, "Version 10.0.7");
}

TEST(AboutButtons, OkUnloadsAndUnknownNamesAreRefused) {
    About a;
    EXPECT_FALSE(a.dialog.Click("lblTitle"));
    EXPECT_FALSE(a.dialog.Unloaded());
    EXPECT_TRUE(a.dialog.Click("cmdOK"));
    EXPECT_TRUE(a.dialog.Unloaded());
}

TEST(AboutFromMainMenu, IsShownModallyWithTheProgramsVersion) {
    MainHarness h;
    h.Load();
    bool closed = false;
    h.shell.onAbout = [&](frmAbout& about) {
        about.Form_Load(h.window);
        EXPECT_EQ(about.Control("lblVersion")->text, "Version 2.3.4");
        about.Click("cmdOK");
        closed = about.Unloaded();
    };
    h.form->Click("mnuAbout");
    EXPECT_TRUE(closed);
}

TEST(StartSysInfo, StartsTheToolWhereTheSystemSaysItIs) {
    About a;
    const std::string tool = "C:\\Program Files\\Common Files\\msinfo32.exe";
    a.system.sysInfoTool = tool;
    a.system.programs = {tool};
    a.dialog.Click("cmdSysInfo");
    EXPECT_EQ(a.system.started, std::vector<std::string>{tool});
    EXPECT_TRUE(a.messages.shown.empty());
}

// Every way of not finding or not starting the tool ends in the one message, and
// the dialog stays open.
TEST(StartSysInfo, SaysItIsUnavailableWhenItCannotBeFoundOrStarted) {
    const struct {
        const char* name;
        std::optional<std::string> tool;
        bool lookupFails;
    } cases[] = {
        {"none on this system", std::nullopt, false},
        {"an empty path", "", false},
        {"a path to nothing", "/gone/tool", false},
        {"a failed lookup", std::nullopt, true},
    };
    for (const auto& c : cases) {
        About a;
        a.system.sysInfoTool = c.tool;
        if (c.lookupFails) {
            a.system.failFind = Failure();
        }
        a.dialog.StartSysInfo();
        EXPECT_TRUE(a.system.started.empty()) << c.name;
        EXPECT_TRUE(a.ShowedUnavailable()) << c.name;
        EXPECT_FALSE(a.dialog.Unloaded()) << c.name;
    }
}

}  // namespace
}  // namespace textmend::testing
