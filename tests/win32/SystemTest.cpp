// About's reach into the machine: where the registry says the system-information
// tool is, and starting programs.

#include <gtest/gtest.h>

#include <windows.h>

#include <filesystem>
#include <string>

#include "ScratchDirectory.h"
#include "WinePaths.h"
#include "engine/StepError.h"
#include "win32/SysInfoLocation.h"
#include "win32/Utf.h"
#include "win32/Win32System.h"

namespace textmend {
namespace {

namespace fs = std::filesystem;

using testing::ScratchDirectory;

std::string Utf8Path(const fs::path& path) {
    return WideToUtf8(path.wstring());
}

using namespace std::string_view_literals;

// A private stand-in for the machine's hive, under the current user's.
constexpr char kMachine[] = "Software\\TextmendTests\\Machine";
constexpr char kPathKey[] = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
constexpr char kFolderKey[] = "SOFTWARE\\Microsoft\\Shared Tools Location";

class RegistryTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, kMachine, 0, nullptr, 0, KEY_ALL_ACCESS,
                                  nullptr, &machine, nullptr),
                  ERROR_SUCCESS);
    }
    void TearDown() override {
        RegCloseKey(machine);
        RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\TextmendTests");
    }
    void Store(const char* keyName, const char* valueName, DWORD type, std::string_view data) {
        HKEY key = nullptr;
        ASSERT_EQ(RegCreateKeyExA(machine, keyName, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                                  nullptr),
                  ERROR_SUCCESS);
        RegSetValueExA(key, valueName, 0, type, reinterpret_cast<const BYTE*>(data.data()),
                       static_cast<DWORD>(data.size()));
        RegCloseKey(key);
    }

    HKEY machine = nullptr;
};

struct KeyValueCase {
    const char* name;
    DWORD type;
    std::string_view stored;
    const char* before;
    std::string_view after;
};

TEST_F(RegistryTest, GetKeyValueReadsTextNumbersAndEmptyValues) {
    const KeyValueCase cases[] = {
        {"text", REG_SZ, "C:\\x.exe", "", "C:\\x.exe"},
        {"text with its NUL", REG_SZ, "abc\0"sv, "", "abc"},
        {"only the last NUL goes", REG_SZ, "a\0\0"sv, "", "a\0"sv},
        {"empty text", REG_SZ, "", "old", ""},
        // 0x4D3C2B1A: the bytes from last to first, each without leading zeros.
        {"number of full bytes", REG_DWORD, "\x1A\x2B\x3C\x4D", "", "&h4D3C2B1A"},
        // 0x00000105: the last byte, a NUL, is dropped like a text's.
        {"number with zero bytes", REG_DWORD, "\x05\x01\0\0"sv, "", "&h015"},
        {"other type keeps the value", REG_MULTI_SZ, "a\0\0"sv, "kept", "kept"},
    };
    for (const KeyValueCase& c : cases) {
        Store("Key", "Value", c.type, c.stored);
        std::string value = c.before;
        EXPECT_TRUE(GetKeyValue(machine, "Key", "Value", value)) << c.name;
        EXPECT_EQ(value, c.after) << c.name;
    }
}

TEST_F(RegistryTest, GetKeyValueEmptiesTheValueOfWhatCannotBeRead) {
    Store("Key", "Long", REG_SZ, std::string(1025, 'x'));
    for (const auto& [key, name] : {std::pair{"Key", "Long"}, {"Key", "Missing"}, {"None", "V"}}) {
        std::string value = "old";
        EXPECT_FALSE(GetKeyValue(machine, key, name, value)) << key << " " << name;
        EXPECT_EQ(value, "") << key << " " << name;
    }
}

TEST_F(RegistryTest, TheFirstEntryNamesTheToolWithoutTheSecondBeingRead) {
    Store(kPathKey, "PATH", REG_SZ, "C:\\Info\\msinfo32.exe\0"sv);
    Store(kFolderKey, "MSINFO", REG_SZ, "C:\\Other");
    EXPECT_EQ(LocateSysInfoTool(machine), "C:\\Info\\msinfo32.exe");
}

// Such an entry names no program that can start: the About dialog reports it.
TEST_F(RegistryTest, AFirstEntryOfAnotherTypeIsFoundAndEndsTheSearch) {
    ScratchDirectory scratch;
    HANDLE file = CreateFileW((scratch.path() / "MSINFO32.EXE").c_str(), GENERIC_WRITE, 0, nullptr,
                              CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    CloseHandle(file);
    Store(kFolderKey, "MSINFO", REG_SZ, Utf8Path(scratch.path()));
    Store(kPathKey, "PATH", REG_DWORD, "\1\0\0\0"sv);
    EXPECT_EQ(LocateSysInfoTool(machine), "&h001");
    Store(kPathKey, "PATH", REG_MULTI_SZ, "a\0\0"sv);
    EXPECT_EQ(LocateSysInfoTool(machine), "");
}

TEST_F(RegistryTest, TheSecondEntryNamesAFolderThatMustHoldTheTool) {
    ScratchDirectory scratch;
    Store(kFolderKey, "MSINFO", REG_SZ, Utf8Path(scratch.path()));
    EXPECT_EQ(LocateSysInfoTool(machine), std::nullopt) << "the folder is empty";
    const fs::path tool = scratch.path() / "MSINFO32.EXE";
    HANDLE file = CreateFileW(tool.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    CloseHandle(file);
    EXPECT_EQ(LocateSysInfoTool(machine), Utf8Path(scratch.path()) + "\\MSINFO32.EXE");
    RegDeleteTreeA(machine, kFolderKey);
    EXPECT_EQ(LocateSysInfoTool(machine), std::nullopt) << "neither entry";
}

TEST(SysInfoLocation, OnlyNormalFilesCount) {
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
        EXPECT_EQ(IsNormalFile(Utf8Path(path)), c.normal) << Utf8Path(path);
        SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    }
    EXPECT_FALSE(IsNormalFile(Utf8Path(scratch.path() / "missing.exe")));
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
