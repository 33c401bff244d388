// About's reach into the machine: reading the registry, testing files and
// starting programs.

#include <gtest/gtest.h>

#include <windows.h>

#include <filesystem>
#include <string>

#include "ScratchDirectory.h"
#include "WinePaths.h"
#include "engine/StepError.h"
#include "settings/SettingsBackend.h"
#include "win32/Utf.h"
#include "win32/Win32System.h"

namespace textmend {
namespace {

namespace fs = std::filesystem;

constexpr char kTestKey[] = "Software\\TextmendTests\\SystemRegistry";

class Win32SystemRegistryTest : public ::testing::Test {
  protected:
    void SetUp() override {
        HKEY key = nullptr;
        ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, kTestKey, 0, nullptr, 0, KEY_ALL_ACCESS,
                                  nullptr, &key, nullptr),
                  ERROR_SUCCESS);
        const char path[] = "C:\\Tools\\info.exe";
        RegSetValueExA(key, "PATH", 0, REG_SZ, reinterpret_cast<const BYTE*>(path), sizeof(path));
        const DWORD number = 0x01020304;
        RegSetValueExA(key, "NUMBER", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number),
                       sizeof(number));
        RegCloseKey(key);
    }
    void TearDown() override { RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\TextmendTests"); }

    Win32SystemRegistry registry;
};

TEST_F(Win32SystemRegistryTest, ReadsTextValuesWithTheirTypeAndSize) {
    std::uintptr_t key = 0;
    ASSERT_EQ(registry.OpenKeyForReading(kHkeyCurrentUser, kTestKey, key), 0);
    std::uint32_t type = 0;
    std::string data;
    EXPECT_EQ(registry.QueryValue(key, "PATH", type, data, 1024), 0);
    EXPECT_EQ(type, static_cast<std::uint32_t>(REG_SZ));
    EXPECT_EQ(data, std::string("C:\\Tools\\info.exe\0", 18));  // stored with its NUL
    EXPECT_EQ(registry.QueryValue(key, "NUMBER", type, data, 1024), 0);
    EXPECT_EQ(type, static_cast<std::uint32_t>(REG_DWORD));
    EXPECT_EQ(data, std::string("\x04\x03\x02\x01", 4));
    registry.CloseKey(key);
}

TEST_F(Win32SystemRegistryTest, ReportsTheSystemsCodesForWhatIsMissingOrTooLong) {
    std::uintptr_t key = 0;
    EXPECT_EQ(registry.OpenKeyForReading(kHkeyCurrentUser, "Software\\TextmendTests\\Missing", key),
              ERROR_FILE_NOT_FOUND);
    ASSERT_EQ(registry.OpenKeyForReading(kHkeyCurrentUser, kTestKey, key), 0);
    std::uint32_t type = 0;
    std::string data = "kept";
    EXPECT_EQ(registry.QueryValue(key, "ABSENT", type, data, 1024), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(registry.QueryValue(key, "PATH", type, data, 8), ERROR_MORE_DATA);
    EXPECT_EQ(data, "kept");
    registry.CloseKey(key);
}

TEST_F(Win32SystemRegistryTest, OpensForReadingOnly) {
    std::uintptr_t key = 0;
    ASSERT_EQ(registry.OpenKeyForReading(kHkeyCurrentUser, kTestKey, key), 0);
    const char text[] = "x";
    EXPECT_EQ(RegSetValueExA(reinterpret_cast<HKEY>(key), "WRITE", 0, REG_SZ,
                             reinterpret_cast<const BYTE*>(text), sizeof(text)),
              ERROR_ACCESS_DENIED);
    registry.CloseKey(key);
}

using testing::ScratchDirectory;

std::string Utf8Path(const fs::path& path) {
    return WideToUtf8(path.wstring());
}

TEST(Win32System, OnlyNormalFilesCount) {
    ScratchDirectory scratch;
    const struct {
        const wchar_t* name;
        DWORD attributes;  // 0: a folder
        bool normal;
    } cases[] = {
        {L"plain.exe", FILE_ATTRIBUTE_NORMAL, true},
        {L"read only.exe", FILE_ATTRIBUTE_READONLY, true},
        {L"hidden.exe", FILE_ATTRIBUTE_HIDDEN, false},
        {L"system.exe", FILE_ATTRIBUTE_SYSTEM, false},
        {L"folder.exe", 0, false},
    };
    Win32System system;
    for (const auto& c : cases) {
        const fs::path path = scratch.path() / c.name;
        if (c.attributes == 0) {
            fs::create_directory(path);
        } else {
            HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                      c.attributes, nullptr);
            ASSERT_NE(file, INVALID_HANDLE_VALUE);
            CloseHandle(file);
        }
        EXPECT_EQ(system.IsNormalFile(Utf8Path(path)), c.normal) << Utf8Path(path);
        SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    }
    EXPECT_FALSE(system.IsNormalFile(Utf8Path(scratch.path() / "missing.exe")));
}

TEST(Win32System, CommandLineQuotesThePath) {
    EXPECT_EQ(QuotedCommandLine(L"C:\\Program Files\\Info\\info.exe"),
              L"\"C:\\Program Files\\Info\\info.exe\"");
}

bool WaitForFile(const fs::path& path) {
    for (int i = 0; i < 500 && !fs::exists(path); ++i) {
        Sleep(20);
    }
    return fs::exists(path);
}

TEST(Win32System, StartsExactlyTheProgramWhosePathHasSpaces) {
    ScratchDirectory scratch;
    const fs::path marker = testing::HostPathToWindows(START_MARKER_EXE);
    // Unquoted, "<scratch>\info tools\tool.exe" would start "<scratch>\info.exe".
    const fs::path decoy = scratch.path() / "info.exe";
    const fs::path wanted = scratch.path() / "info tools" / "tool.exe";
    fs::create_directories(wanted.parent_path());
    fs::copy_file(marker, decoy);
    fs::copy_file(marker, wanted);

    Win32System().StartProgram(Utf8Path(wanted));
    EXPECT_TRUE(WaitForFile(fs::path(wanted).concat(".ran")));
    EXPECT_FALSE(fs::exists(fs::path(decoy).concat(".ran")));
}

TEST(Win32System, AProgramThatCannotStartThrowsTheSystemsError) {
    ScratchDirectory scratch;
    try {
        Win32System().StartProgram(Utf8Path(scratch.path() / "absent.exe"));
        ADD_FAILURE() << "a missing program started";
    } catch (const StepError& error) {
        EXPECT_EQ(error.number(), ERROR_FILE_NOT_FOUND);
        EXPECT_FALSE(error.description().empty());
    }
}

}  // namespace
}  // namespace textmend
