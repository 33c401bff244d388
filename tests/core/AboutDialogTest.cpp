// The About dialog: title and version, and finding and starting the
// system-information tool through the registry.

#include <gtest/gtest.h>

#include "MainHarness.h"
#include "dialogs/frmAbout.h"

namespace textmend::testing {
namespace {

const std::string kPathKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
const std::string kFolderKey = "SOFTWARE\\Microsoft\\Shared Tools Location";
const std::string kUnavailable = "System Information Is Unavailable At This Time";
constexpr std::uint32_t kSz = 1;
constexpr std::uint32_t kDword = 4;
constexpr std::uint32_t kMultiSz = 7;

struct About {
    Journal journal;
    FakeRegistry registry;
    FakeSystem system;
    FakeMessageBox messages;
    FakeWindow window{journal};
    frmAbout dialog{registry, system, messages, AppVersion{2, 3, 4}};

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
    frmAbout dialog(a.registry, a.system, a.messages, AppVersion{10, 0, 7});
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

TEST(StartSysInfo, StartsThePathOfTheFirstKeyWithoutReadingTheSecond) {
    About a;
    const std::string tool = "C:\\Program Files\\Common Files\\msinfo32.exe";
    a.registry.AddKey(kHkeyLocalMachine, kPathKey, {{"PATH", {kSz, tool + '\0'}}});
    a.registry.AddKey(kHkeyLocalMachine, kFolderKey, {{"MSINFO", {kSz, "C:\\Other"}}});
    a.system.normalFiles = {tool, "C:\\Other\\MSINFO32.EXE"};
    a.dialog.Click("cmdSysInfo");
    EXPECT_EQ(a.system.started, std::vector<std::string>{tool});
    EXPECT_EQ(a.registry.opened, std::vector<std::string>{kPathKey});
    EXPECT_EQ(a.registry.openKeys, 0);
    EXPECT_TRUE(a.messages.shown.empty());
}

TEST(StartSysInfo, FallsBackToTheFolderOfTheSecondKey) {
    About a;
    a.registry.AddKey(kHkeyLocalMachine, kFolderKey, {{"MSINFO", {kSz, "D:\\Tools\\Info"}}});
    a.system.normalFiles = {"D:\\Tools\\Info\\MSINFO32.EXE"};
    a.dialog.StartSysInfo();
    EXPECT_EQ(a.system.started, std::vector<std::string>{"D:\\Tools\\Info\\MSINFO32.EXE"});
    EXPECT_EQ(a.registry.openKeys, 0);
}

TEST(StartSysInfo, ReportsAFolderWithoutTheTool) {
    About a;
    a.registry.AddKey(kHkeyLocalMachine, kFolderKey, {{"MSINFO", {kSz, "D:\\Empty"}}});
    a.dialog.StartSysInfo();
    EXPECT_TRUE(a.system.started.empty());
    EXPECT_TRUE(a.ShowedUnavailable());
}

TEST(StartSysInfo, ReportsNeitherKey) {
    About a;
    a.dialog.StartSysInfo();
    EXPECT_TRUE(a.ShowedUnavailable());
    EXPECT_FALSE(a.dialog.Unloaded());  // the dialog stays open
}

TEST(StartSysInfo, ReportsAProgramThatCannotStart) {
    About a;
    a.registry.AddKey(kHkeyLocalMachine, kPathKey, {{"PATH", {kSz, "C:\\gone.exe"}}});
    a.dialog.StartSysInfo();
    EXPECT_TRUE(a.system.started.empty());
    EXPECT_TRUE(a.ShowedUnavailable());
}

TEST(StartSysInfo, AFirstValueOfAnotherTypeEndsWithoutTheSecondKey) {
    for (std::uint32_t type : {kDword, kMultiSz}) {
        About a;
        a.registry.AddKey(kHkeyLocalMachine, kPathKey,
                          {{"PATH", {type, std::string("\1\0\0\0", 4)}}});
        a.registry.AddKey(kHkeyLocalMachine, kFolderKey, {{"MSINFO", {kSz, "D:\\Tools"}}});
        a.system.normalFiles = {"D:\\Tools\\MSINFO32.EXE"};
        a.dialog.StartSysInfo();
        EXPECT_TRUE(a.system.started.empty()) << type;
        EXPECT_TRUE(a.ShowedUnavailable()) << type;
        EXPECT_EQ(a.registry.opened, std::vector<std::string>{kPathKey}) << type;
    }
}

TEST(StartSysInfo, AnEmptyFirstValueIsReported) {
    About a;
    a.registry.AddKey(kHkeyLocalMachine, kPathKey, {{"PATH", {kSz, ""}}});
    a.dialog.StartSysInfo();
    EXPECT_TRUE(a.ShowedUnavailable());
}

using namespace std::string_view_literals;

struct KeyValueCase {
    const char* name;
    std::uint32_t type;
    std::string_view stored;
    const char* before;
    bool found;
    std::string_view after;
};

class GetKeyValue : public ::testing::TestWithParam<KeyValueCase> {};

TEST_P(GetKeyValue, ReadsTextNumbersAndEmptyValues) {
    About a;
    const KeyValueCase& c = GetParam();
    a.registry.AddKey(kHkeyLocalMachine, "Key", {{"Value", {c.type, std::string(c.stored)}}});
    std::string value = c.before;
    EXPECT_EQ(a.dialog.GetKeyValue(kHkeyLocalMachine, "Key", "Value", value), c.found);
    EXPECT_EQ(value, c.after);
    EXPECT_EQ(a.registry.openKeys, 0);
}

constexpr KeyValueCase kKeyValueCases[] = {
    {"Text", kSz, "C:\\x.exe", "", true, "C:\\x.exe"},
    {"TextWithItsNul", kSz, "abc\0"sv, "", true, "abc"},
    {"OnlyTheLastNulGoes", kSz, "a\0\0"sv, "", true, "a\0"sv},
    {"EmptyText", kSz, "", "old", true, ""},
    // 0x4D3C2B1A: the bytes from last to first, each without leading zeros.
    {"NumberOfFullBytes", kDword, "\x1A\x2B\x3C\x4D", "", true, "&h4D3C2B1A"},
    // 0x00000105: the last byte, a NUL, is dropped like a text's.
    {"NumberWithZeroBytes", kDword, "\x05\x01\0\0"sv, "", true, "&h015"},
    {"OtherTypeKeepsTheValue", kMultiSz, "a\0\0"sv, "kept", true, "kept"},
};

INSTANTIATE_TEST_SUITE_P(Values, GetKeyValue, ::testing::ValuesIn(kKeyValueCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(GetKeyValue, AValueLongerThanItsBufferIsNotRead) {
    About a;
    a.registry.AddKey(kHkeyLocalMachine, "Key", {{"Value", {kSz, std::string(1025, 'x')}}});
    std::string value = "old";
    EXPECT_FALSE(a.dialog.GetKeyValue(kHkeyLocalMachine, "Key", "Value", value));
    EXPECT_EQ(value, "");
    EXPECT_EQ(a.registry.openKeys, 0);
}

TEST(GetKeyValue, AMissingKeyOrValueEmptiesTheValue) {
    About a;
    a.registry.AddKey(kHkeyLocalMachine, "Key", {});
    std::string value = "old";
    EXPECT_FALSE(a.dialog.GetKeyValue(kHkeyLocalMachine, "Missing", "Value", value));
    EXPECT_EQ(value, "");
    value = "old";
    EXPECT_FALSE(a.dialog.GetKeyValue(kHkeyLocalMachine, "Key", "Missing", value));
    EXPECT_EQ(value, "");
    EXPECT_EQ(a.registry.openKeys, 0);
}

}  // namespace
}  // namespace textmend::testing
