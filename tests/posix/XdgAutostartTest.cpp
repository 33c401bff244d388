#include <gtest/gtest.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "TestSupport.h"
#include "engine/StepError.h"
#include "posix/ConfigHome.h"
#include "posix/XdgAutostart.h"

namespace textmend {
namespace {

namespace fs = std::filesystem;

// Quoting by hand from the desktop entry rules: reserved characters quote the
// path, ", `, $ and \ take a backslash inside the quotes, % doubles, and then
// the string rules escape every backslash and control character once more.
TEST(ExecValueFor, QuotesAndEscapesAsDesktopEntriesRequire) {
    const struct {
        const char* program;
        const char* exec;
    } cases[] = {
        {"/usr/bin/textmend", "/usr/bin/textmend"},
        {"/opt/My Apps/textmend", "\"/opt/My Apps/textmend\""},
        {"/opt/it's/textmend", "\"/opt/it's/textmend\""},
        {"/opt/say \"hi\"/textmend", "\"/opt/say \\\\\"hi\\\\\"/textmend\""},
        {"/opt/a$b/textmend", "\"/opt/a\\\\$b/textmend\""},
        {"/opt/a\\b/textmend", "\"/opt/a\\\\\\\\b/textmend\""},
        {"/opt/100%/textmend", "/opt/100%%/textmend"},
        {"/opt/50% off/textmend", "\"/opt/50%% off/textmend\""},
        {"/opt/tab\there/textmend", "\"/opt/tab\\there/textmend\""},
        {"/opt/x=y/textmend", "/opt/x=y/textmend"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ExecValueFor(c.program), c.exec) << c.program;
    }
}

class XdgAutostartTest : public ::testing::Test {
  protected:
    test::TempFolder folder;
    // Two levels that do not exist yet: Enable makes them.
    std::string configHome = (folder.path() / "home/.config").string();
    XdgAutostart autostart{"/opt/Text Tools/textmend", configHome};

    void WriteEntry(const std::string& text) {
        fs::create_directories(configHome + "/autostart");
        std::ofstream(autostart.EntryPath()) << text;
    }
    std::string ReadEntry() {
        std::ifstream file(autostart.EntryPath());
        std::stringstream text;
        text << file.rdbuf();
        return text.str();
    }
};

TEST_F(XdgAutostartTest, EnableWritesTheEntryAndDisableRemovesIt) {
    EXPECT_EQ(autostart.EntryPath(), configHome + "/autostart/textmend.desktop");
    EXPECT_FALSE(autostart.IsEnabled());
    autostart.Enable();
    EXPECT_TRUE(autostart.IsEnabled());
    const std::string entry = ReadEntry();
    EXPECT_TRUE(entry.starts_with("[Desktop Entry]\n")) << entry;
    EXPECT_NE(entry.find("\nExec=\"/opt/Text Tools/textmend\"\n"), std::string::npos) << entry;
    // Nothing but the entry: the temporary file was renamed onto it.
    EXPECT_EQ(
        std::distance(fs::directory_iterator(configHome + "/autostart"), fs::directory_iterator()),
        1);

    autostart.Disable();
    EXPECT_FALSE(autostart.IsEnabled());
    EXPECT_FALSE(fs::exists(autostart.EntryPath()));
    autostart.Disable();  // nothing left to remove is no failure
}

TEST_F(XdgAutostartTest, AnEntrySwitchedOffInItsMainGroupIsNotEnabled) {
    const struct {
        const char* text;
        bool enabled;
    } cases[] = {
        {"[Desktop Entry]\nExec=/elsewhere/textmend\n", true},
        {"[Desktop Entry]\nHidden=true\n", false},
        {"[Desktop Entry]\nHidden = true\n", false},
        {"[Desktop Entry]\nHidden=false\n", true},
        {"[Desktop Entry]\nX-GNOME-Autostart-enabled=false\n", false},
        {"[Desktop Entry]\nX-GNOME-Autostart-enabled=true\n", true},
        {"[Desktop Entry]\nExec=textmend\n[Desktop Action New]\nHidden=true\n", true},
        {"", true},
    };
    for (const auto& c : cases) {
        WriteEntry(c.text);
        EXPECT_EQ(autostart.IsEnabled(), c.enabled) << c.text;
    }
    WriteEntry("[Desktop Entry]\nHidden=true\n");
    autostart.Enable();
    EXPECT_TRUE(autostart.IsEnabled());
}

TEST_F(XdgAutostartTest, FailuresCarryErrnoAndItsText) {
    // A file where the autostart folder belongs.
    fs::create_directories(configHome);
    std::ofstream(configHome + "/autostart") << "not a folder";
    EXPECT_FALSE(autostart.IsEnabled());
    try {
        autostart.Enable();
        ADD_FAILURE() << "enabled without a folder";
    } catch (const StepError& error) {
        EXPECT_EQ(error.number(), ENOTDIR);
        EXPECT_EQ(error.description(), std::strerror(ENOTDIR));
    }

    // A folder where the entry belongs cannot be read.
    fs::remove(configHome + "/autostart");
    fs::create_directories(autostart.EntryPath());
    try {
        autostart.IsEnabled();
        ADD_FAILURE() << "read a folder as the entry";
    } catch (const StepError& error) {
        EXPECT_EQ(error.number(), EISDIR);
    }
}

TEST(ConfigHome, FollowsXdgConfigHomeOnlyWhenAbsolute) {
    setenv("HOME", "/home/someone", 1);
    setenv("XDG_CONFIG_HOME", "/tmp/textmend-config", 1);
    EXPECT_EQ(ConfigHome(), "/tmp/textmend-config");
    setenv("XDG_CONFIG_HOME", "relative/config", 1);
    EXPECT_EQ(ConfigHome(), "/home/someone/.config");
    setenv("XDG_CONFIG_HOME", "", 1);
    EXPECT_EQ(ConfigHome(), "/home/someone/.config");
    unsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(ConfigHome(), "/home/someone/.config");
}

}  // namespace
}  // namespace textmend
