// Starting at sign-in: the Run value, read and written in the real registry of
// the Wine prefix; whatever the user had there is put back afterwards.

#include <gtest/gtest.h>

#include <windows.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

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

struct StoredValue {
    DWORD type = 0;
    std::vector<BYTE> data;
};

std::optional<StoredValue> ReadValue(const wchar_t* key) {
    StoredValue value;
    DWORD size = 0;
    if (RegGetValueW(HKEY_CURRENT_USER, key, kValueName, RRF_RT_ANY | RRF_NOEXPAND, &value.type,
                     nullptr, &size) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    value.data.resize(size);
    RegGetValueW(HKEY_CURRENT_USER, key, kValueName, RRF_RT_ANY | RRF_NOEXPAND, &value.type,
                 value.data.data(), &size);
    return value;
}

void WriteValue(const wchar_t* key, const std::optional<StoredValue>& value) {
    if (!value) {
        RegDeleteKeyValueW(HKEY_CURRENT_USER, key, kValueName);
        return;
    }
    RegSetKeyValueW(HKEY_CURRENT_USER, key, kValueName, value->type, value->data.data(),
                    static_cast<DWORD>(value->data.size()));
}

StoredValue Text(const std::wstring& text) {
    const auto* bytes = reinterpret_cast<const BYTE*>(text.c_str());
    return {REG_SZ, std::vector<BYTE>(bytes, bytes + (text.size() + 1) * sizeof(wchar_t))};
}

std::wstring RunText() {
    const auto value = ReadValue(kRunKey);
    if (!value || value->type != REG_SZ) {
        return L"(no text)";
    }
    return reinterpret_cast<const wchar_t*>(value->data.data());
}

class Win32AutostartTest : public ::testing::Test {
  protected:
    void SetUp() override {
        WriteValue(kRunKey, std::nullopt);
        WriteValue(kApprovedKey, std::nullopt);
    }
    void TearDown() override {
        WriteValue(kRunKey, savedRun_);
        WriteValue(kApprovedKey, savedApproved_);
    }

    Win32Autostart autostart{L"C:\\Program Files\\Text Tools\\textmend.exe"};

  private:
    std::optional<StoredValue> savedRun_ = ReadValue(kRunKey);
    std::optional<StoredValue> savedApproved_ = ReadValue(kApprovedKey);
};

TEST_F(Win32AutostartTest, EnableWritesTheQuotedPathAndDisableRemovesIt) {
    EXPECT_FALSE(autostart.IsEnabled());
    autostart.Enable();
    EXPECT_TRUE(autostart.IsEnabled());
    EXPECT_EQ(RunText(), L"\"C:\\Program Files\\Text Tools\\textmend.exe\"");
    autostart.Disable();
    EXPECT_FALSE(autostart.IsEnabled());
    EXPECT_FALSE(ReadValue(kRunKey).has_value());
    autostart.Disable();  // nothing left to remove is no failure
}

TEST_F(Win32AutostartTest, AValueForAnotherCopyCountsAndEnableMakesItOurs) {
    WriteValue(kRunKey, Text(L"\"D:\\Old\\textmend.exe\""));
    EXPECT_TRUE(autostart.IsEnabled());
    autostart.Enable();
    EXPECT_EQ(RunText(), L"\"C:\\Program Files\\Text Tools\\textmend.exe\"");
}

TEST_F(Win32AutostartTest, TheStartupAppsListCanSwitchItOff) {
    autostart.Enable();
    const struct {
        BYTE firstByte;
        bool enabled;
    } cases[] = {{0x02, true}, {0x03, false}, {0x06, true}, {0x07, false}};
    for (const auto& c : cases) {
        WriteValue(kApprovedKey, StoredValue{REG_BINARY, {c.firstByte, 0, 0, 0, 0, 0, 0, 0}});
        EXPECT_EQ(autostart.IsEnabled(), c.enabled) << int{c.firstByte};
    }
    autostart.Enable();
    EXPECT_TRUE(autostart.IsEnabled());
    EXPECT_FALSE(ReadValue(kApprovedKey).has_value());
}

TEST_F(Win32AutostartTest, TheValueStartsTheProgramAsSignInRunsIt) {
    testing::ScratchDirectory scratch;
    const fs::path program = scratch.path() / "Text Tools" / "textmend.exe";
    fs::create_directories(program.parent_path());
    fs::copy_file(testing::HostPathToWindows(START_MARKER_EXE), program);
    Win32Autostart(program.wstring()).Enable();

    std::wstring commandLine = RunText();
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

TEST(RunningExePath, IsThisTestProgram) {
    EXPECT_TRUE(RunningExePath().ends_with(L"\\win32_tests.exe")) << RunningExePath().size();
}

}  // namespace
}  // namespace textmend
