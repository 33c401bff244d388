// Starting at sign-in: the Run value, read and written in the registry of the
// build's Wine prefix; a value that was there before is put back afterwards.

#include <gtest/gtest.h>

#include <windows.h>

#include <filesystem>
#include <optional>
#include <string>

#include "ScratchDirectory.h"
#include "WinePaths.h"
#include "win32/Win32Autostart.h"

namespace textmend {
namespace {

namespace fs = std::filesystem;

constexpr wchar_t kRunKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr wchar_t kApprovedKey[] =
    L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\StartupApproved\\Run";
constexpr wchar_t kValueName[] = L"Textmend";

std::optional<std::wstring> RunText() {
    wchar_t text[1024];
    DWORD size = sizeof(text);
    if (RegGetValueW(HKEY_CURRENT_USER, kRunKey, kValueName, RRF_RT_REG_SZ, nullptr, text, &size) !=
        ERROR_SUCCESS) {
        return std::nullopt;
    }
    return text;
}

void SetRunText(const std::wstring& text) {
    RegSetKeyValueW(HKEY_CURRENT_USER, kRunKey, kValueName, REG_SZ, text.c_str(),
                    static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
}

class Win32AutostartTest : public ::testing::Test {
  protected:
    void SetUp() override { RegDeleteKeyValueW(HKEY_CURRENT_USER, kRunKey, kValueName); }
    void TearDown() override {
        RegDeleteKeyValueW(HKEY_CURRENT_USER, kRunKey, kValueName);
        RegDeleteKeyValueW(HKEY_CURRENT_USER, kApprovedKey, kValueName);
        if (saved_) {
            SetRunText(*saved_);
        }
    }

    const std::optional<std::wstring> saved_ = RunText();
    Win32Autostart autostart{L"C:\\Program Files\\Text Tools\\textmend.exe"};
};

TEST_F(Win32AutostartTest, EnableWritesTheQuotedPathAndDisableRemovesIt) {
    EXPECT_FALSE(autostart.IsEnabled());
    autostart.Enable();
    EXPECT_TRUE(autostart.IsEnabled());
    EXPECT_EQ(RunText(), L"\"C:\\Program Files\\Text Tools\\textmend.exe\"");
    autostart.Disable();
    EXPECT_FALSE(autostart.IsEnabled());
    EXPECT_EQ(RunText(), std::nullopt);
    autostart.Disable();  // nothing left to remove is no failure
}

TEST_F(Win32AutostartTest, AValueForAnotherCopyCountsAndEnableMakesItOurs) {
    SetRunText(L"\"D:\\Old\\textmend.exe\"");
    EXPECT_TRUE(autostart.IsEnabled());
    autostart.Enable();
    EXPECT_EQ(RunText(), L"\"C:\\Program Files\\Text Tools\\textmend.exe\"");
}

// The list of startup apps switches an entry off with an odd first byte.
TEST_F(Win32AutostartTest, TheStartupAppsListCanSwitchItOff) {
    autostart.Enable();
    const struct {
        BYTE firstByte;
        bool enabled;
    } cases[] = {{0x02, true}, {0x03, false}, {0x06, true}, {0x07, false}};
    for (const auto& c : cases) {
        const BYTE mark[12] = {c.firstByte};
        RegSetKeyValueW(HKEY_CURRENT_USER, kApprovedKey, kValueName, REG_BINARY, mark,
                        sizeof(mark));
        EXPECT_EQ(autostart.IsEnabled(), c.enabled) << int{c.firstByte};
    }
    autostart.Enable();
    EXPECT_TRUE(autostart.IsEnabled());
}

TEST_F(Win32AutostartTest, TheValueStartsTheProgramAsSignInRunsIt) {
    testing::ScratchDirectory scratch;
    const fs::path program = scratch.path() / "Text Tools" / "textmend.exe";
    fs::create_directories(program.parent_path());
    fs::copy_file(testing::HostPathToWindows(START_MARKER_EXE), program);
    Win32Autostart(program.wstring()).Enable();

    std::wstring commandLine = RunText().value_or(L"");
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    ASSERT_TRUE(CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                               nullptr, &startup, &process));
    WaitForSingleObject(process.hProcess, INFINITE);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    EXPECT_TRUE(fs::exists(fs::path(program).concat(".ran")));
}

}  // namespace
}  // namespace textmend
