#include <gtest/gtest.h>
#include <pwd.h>
#include <unistd.h>

#include <QTemporaryDir>
#include <fstream>

#include "qt/QtSettingsBackend.h"

namespace textmend {
namespace {

class SettingsFileTest : public ::testing::Test {
  protected:
    QTemporaryDir folder;
    std::string path = folder.filePath("Textmend/Textmend.ini").toStdString();
    QtSettingsBackend backend{QString::fromStdString(path)};

    void WriteByHand(const std::string& text) {
        QDir().mkpath(folder.filePath("Textmend"));
        std::ofstream(path) << text;
    }
};

TEST_F(SettingsFileTest, WhatIsWrittenReadsBackUnderItsKey) {
    backend.WriteValue(kHkeyCurrentUser, "Software\\Textmend\\upper", "String", "True");
    backend.WriteValue(kHkeyCurrentUser, "Software\\Textmend\\remcrs", "String", "0");
    EXPECT_EQ(backend.ReadValue(kHkeyCurrentUser, "Software\\Textmend\\upper", "String"), "True");
    EXPECT_EQ(backend.ReadValue(kHkeyCurrentUser, "Software\\Textmend\\remcrs", "String"), "0");
    EXPECT_EQ(backend.ReadValue(kHkeyCurrentUser, "Software\\Textmend\\lower", "String"), "");
}

TEST_F(SettingsFileTest, AFileWrittenByHandIsReadInItsOwnForms) {
    WriteByHand(
        "[Software]\n"
        "Textmend\\upper\\String=TRUE\n"
        "Textmend\\remcrs\\String=True\n"
        "Textmend\\dblspc\\String= 1.5 \n"
        "Textmend\\start\\String=\n");
    EXPECT_EQ(backend.ReadValue(kHkeyCurrentUser, "Software\\Textmend\\upper", "String"), "TRUE");
    EXPECT_EQ(backend.ReadValue(kHkeyCurrentUser, "Software\\Textmend\\remcrs", "String"), "True");
    EXPECT_EQ(backend.ReadValue(kHkeyCurrentUser, "Software\\Textmend\\dblspc", "String"), "1.5");
    EXPECT_EQ(backend.ReadValue(kHkeyCurrentUser, "Software\\Textmend\\start", "String"), "");
}

TEST_F(SettingsFileTest, AValueThatIsNoTextReadsEmpty) {
    // Unquoted commas make a list, not a text.
    WriteByHand("[Software]\nTextmend\\upper\\String=True, False\n");
    EXPECT_EQ(backend.ReadValue(kHkeyCurrentUser, "Software\\Textmend\\upper", "String"), "");
}

TEST_F(SettingsFileTest, AMissingFileReadsEmptyAndIsCreatedOnWrite) {
    EXPECT_EQ(backend.ReadValue(kHkeyCurrentUser, "Software\\Textmend\\clean", "String"), "");
    backend.WriteValue(kHkeyCurrentUser, "Software\\Textmend\\clean", "String", "True");
    std::ifstream file(path);
    std::string content((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    EXPECT_NE(content.find("Textmend\\clean\\String=True"), std::string::npos) << content;
}

TEST(DefaultSettingsFile, FollowsXdgConfigHome) {
    qputenv("XDG_CONFIG_HOME", "/tmp/textmend-config");
    EXPECT_EQ(DefaultSettingsFile(), "/tmp/textmend-config/Textmend/Textmend.ini");
    qputenv("XDG_CONFIG_HOME", "relative/path");  // not absolute: ignored, as the standard says
    qputenv("HOME", "/home/someone");
    EXPECT_EQ(DefaultSettingsFile(), "/home/someone/.config/Textmend/Textmend.ini");
    qunsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(DefaultSettingsFile(), "/home/someone/.config/Textmend/Textmend.ini");
}

TEST(DefaultSettingsFile, WithoutHomeLivesInTheUsersHomeFromThePasswordDatabase) {
    const passwd* user = getpwuid(getuid());
    ASSERT_NE(user, nullptr);
    const QByteArray home = qgetenv("HOME");
    qunsetenv("XDG_CONFIG_HOME");
    qunsetenv("HOME");
    const QString expected =
        QString::fromLocal8Bit(user->pw_dir) + "/.config/Textmend/Textmend.ini";
    EXPECT_EQ(DefaultSettingsFile(), expected);
    qputenv("HOME", "");
    EXPECT_EQ(DefaultSettingsFile(), expected);
    qputenv("HOME", home);
}

}  // namespace
}  // namespace textmend
