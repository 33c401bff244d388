#include "settings/Registry.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

#include "SettingsTestSupport.h"
#include "settings/RegistrySettings.h"
#include "settings/Settings.h"

namespace textmend {
namespace {

// What RegQueryValueExA reports about one value, read independently of the module.
struct RawValue {
    bool found = false;
    DWORD type = 0;
    std::string bytes;
};

RawValue QueryRaw(const std::string& keyPath, const std::string& valueName) {
    RawValue raw;
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, keyPath.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) {
        return raw;
    }
    char buffer[256];
    DWORD size = sizeof buffer;
    if (RegQueryValueExA(key, valueName.c_str(), nullptr, &raw.type,
                         reinterpret_cast<BYTE*>(buffer), &size) == ERROR_SUCCESS) {
        raw.found = true;
        raw.bytes.assign(buffer, size);
    }
    RegCloseKey(key);
    return raw;
}

void StoreRaw(const std::string& keyPath, const std::string& valueName, DWORD type,
              const void* data, DWORD size) {
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, keyPath.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr,
                              &key, nullptr),
              ERROR_SUCCESS);
    EXPECT_EQ(RegSetValueExA(key, valueName.c_str(), 0, type, static_cast<const BYTE*>(data), size),
              ERROR_SUCCESS);
    RegCloseKey(key);
}

// Each test works below a key of its own, deleted afterwards, so the tests can run
// side by side and leave the registry as they found it.
class RegistryTest : public testing::Test {
  protected:
    void TearDown() override {
        RegDeleteTreeA(HKEY_CURRENT_USER, base_.c_str());
        // Succeeds only once no other test's key is left below it.
        RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\TextmendTest");
    }

    std::string Key(std::string_view name) const { return base_ + "\\" + std::string(name); }

    const std::string base_ = "Software\\TextmendTest\\" + std::to_string(GetCurrentProcessId()) +
                              "-" + std::to_string(GetTickCount64());
};

struct WrittenCase {
    std::string text;
    std::string storedBytes;
};

const WrittenCase kWrittenCases[] = {
    {"False", "False"}, {"True", "True"}, {"1", "1"}, {"2", "2"}, {"", ""},
};

TEST_F(RegistryTest, WritesTextOfExactlyItsLengthWithoutNul) {
    for (const auto& c : kWrittenCases) {
        SCOPED_TRACE("text \"" + c.text + "\"");
        Registry::WriteValue(kCurrentUser, Key("written"), "String", c.text);
        const RawValue raw = QueryRaw(Key("written"), "String");
        ASSERT_TRUE(raw.found);
        EXPECT_EQ(raw.type, static_cast<DWORD>(REG_SZ));
        EXPECT_EQ(raw.bytes, c.storedBytes);
        EXPECT_EQ(raw.bytes.size(), c.storedBytes.size());
        EXPECT_EQ(Registry::ReadValue(kCurrentUser, Key("written"), "String"), c.text);
    }
}

TEST_F(RegistryTest, AShorterTextReplacesALongerOne) {
    Registry::WriteValue(kCurrentUser, Key("replaced"), "String", "False");
    Registry::WriteValue(kCurrentUser, Key("replaced"), "String", "1");
    EXPECT_EQ(QueryRaw(Key("replaced"), "String").bytes, "1");
    EXPECT_EQ(Registry::ReadValue(kCurrentUser, Key("replaced"), "String"), "1");
}

TEST_F(RegistryTest, CreatesEveryMissingKeyOnThePath) {
    const std::string deep = Key("one\\two\\three");
    Registry::WriteValue(kCurrentUser, deep, "String", "True");
    EXPECT_EQ(QueryRaw(deep, "String").bytes, "True");
}

TEST_F(RegistryTest, AMissingKeyOrValueReadsEmpty) {
    EXPECT_EQ(Registry::ReadValue(kCurrentUser, Key("nowhere"), "String"), "");
    Registry::WriteValue(kCurrentUser, Key("other name"), "Other", "True");
    EXPECT_EQ(Registry::ReadValue(kCurrentUser, Key("other name"), "String"), "");
    EXPECT_EQ(Registry::ReadValue(kCurrentUser, Key("other name"), "Other"), "True");
}

struct StoredCase {
    const char* name;
    DWORD type;
    std::string bytes;
    std::string read;
};

const StoredCase kStoredCases[] = {
    {"a 32-bit number", REG_DWORD, std::string("\x01\x00\x00\x00", 4), ""},
    {"a 32-bit zero", REG_DWORD, std::string(4, '\0'), ""},
    {"binary bytes spelling True", REG_BINARY, "True", ""},
    {"an expandable text", REG_EXPAND_SZ, std::string("True\0", 5), ""},
    {"a list of texts", REG_MULTI_SZ, std::string("True\0\0", 6), ""},
    {"a text with a terminating NUL", REG_SZ, std::string("True\0", 5), "True"},
    {"a text cut by an inner NUL", REG_SZ,
     std::string("1\0"
                 "2\0",
                 4),
     "1"},
    {"an empty text", REG_SZ, "", ""},
    {"a text holding blanks", REG_SZ, " 1 ", " 1 "},
};

TEST_F(RegistryTest, ReadsOnlyTextValuesUpToTheirFirstNul) {
    for (const auto& c : kStoredCases) {
        SCOPED_TRACE(c.name);
        StoreRaw(Key("stored"), "String", c.type, c.bytes.data(),
                 static_cast<DWORD>(c.bytes.size()));
        EXPECT_EQ(Registry::ReadValue(kCurrentUser, Key("stored"), "String"), c.read);
    }
}

// The handle a fresh open gets. A handle just closed is the one handed out next,
// so a call that leaves a key open shows as a different handle afterwards.
HKEY NextFreeHandle() {
    HKEY key = nullptr;
    EXPECT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, "Software", 0, KEY_READ, &key), ERROR_SUCCESS);
    RegCloseKey(key);
    return key;
}

TEST_F(RegistryTest, ClosesEveryKeyItOpens) {
    StoreRaw(Key("number"), "String", REG_DWORD, "\x01\x00\x00\x00", 4);
    StoreRaw(Key("text"), "String", REG_SZ, "True", 4);
    StoreRaw(Key("no value"), "Other", REG_SZ, "True", 4);

    struct Call {
        const char* name;
        void (*run)(const std::string& base);
    };
    const Call calls[] = {
        {"read a text",
         [](const std::string& base) {
             Registry::ReadValue(kCurrentUser, base + "\\text", "String");
         }},
        {"read a number",
         [](const std::string& base) {
             Registry::ReadValue(kCurrentUser, base + "\\number", "String");
         }},
        {"read a missing value",
         [](const std::string& base) {
             Registry::ReadValue(kCurrentUser, base + "\\no value", "String");
         }},
        {"read a missing key",
         [](const std::string& base) {
             Registry::ReadValue(kCurrentUser, base + "\\nowhere", "String");
         }},
        {"write a new key",
         [](const std::string& base) {
             Registry::WriteValue(kCurrentUser, base + "\\new", "String", "1");
         }},
        {"write an existing key",
         [](const std::string& base) {
             Registry::WriteValue(kCurrentUser, base + "\\text", "String", "False");
         }},
    };
    for (const auto& call : calls) {
        const HKEY free = NextFreeHandle();
        call.run(base_);
        EXPECT_EQ(NextFreeHandle(), free) << call.name << " left a key open";
    }
}

// Moves the program's keys below the test's own key, so a save and a load go
// through the real registry without touching the program's settings.
class RelocatedSettings : public SettingsBackend {
  public:
    explicit RelocatedSettings(std::string base) : base_(std::move(base)) {}

    std::string ReadValue(std::uint32_t root, const std::string& keyPath,
                          const std::string& valueName) override {
        return registry_.ReadValue(root, Relocate(keyPath), valueName);
    }
    void WriteValue(std::uint32_t root, const std::string& keyPath, const std::string& valueName,
                    const std::string& text) override {
        registry_.WriteValue(root, Relocate(keyPath), valueName, text);
    }

  private:
    std::string Relocate(const std::string& keyPath) const {
        const std::string_view prefix = "Software\\Textmend\\";
        if (keyPath.compare(0, prefix.size(), prefix) != 0) {
            ADD_FAILURE() << "a key outside the settings: " << keyPath;
            return base_ + "\\misplaced";
        }
        return base_ + "\\" + keyPath.substr(prefix.size());
    }

    std::string base_;
    RegistrySettings registry_;
};

TEST_F(RegistryTest, ASaveAndALoadRoundTripEveryOption) {
    std::vector<OptionSet> saved(4);
    saved[0] = DefaultOptions();
    saved[1].caseMode = CaseMode::None;
    saved[1].remgt = saved[1].dblspc = saved[1].sentence = saved[1].noblanks = CheckState::Grayed;
    saved[1].trimcr = saved[1].remcrs = saved[1].remcrdbl = CheckState::Grayed;
    saved[2].caseMode = CaseMode::Proper;
    saved[2].remgt = saved[2].sentence = saved[2].remcrs = CheckState::Set;
    saved[2].remcrdbl = CheckState::Grayed;
    saved[2].start = true;
    saved[3].caseMode = CaseMode::Upper;
    saved[3].dblspc = saved[3].noblanks = saved[3].trimcr = CheckState::Set;
    saved[3].remcrdbl = CheckState::Set;

    for (const OptionSet& options : saved) {
        SCOPED_TRACE(testing::Message() << "saved " << options);
        RelocatedSettings store(base_);
        SaveSettings(options, store);
        OptionSet loaded = DefaultOptions();
        LoadSettings(loaded, store);
        EXPECT_EQ(loaded, options);
    }
}

TEST_F(RegistryTest, ASaveLeavesTwelveTextValues) {
    RelocatedSettings store(base_);
    OptionSet options;
    options.caseMode = CaseMode::None;
    options.sentence = CheckState::Grayed;
    SaveSettings(options, store);

    const std::vector<std::pair<std::string_view, std::string>> expected = {
        {"upper", "False"}, {"lower", "False"}, {"clean", "False"}, {"proper", "False"},
        {"remcrs", "0"},    {"dblspc", "0"},    {"sentence", "2"},  {"noblanks", "0"},
        {"trimcr", "0"},    {"remcrdbl", "0"},  {"start", "False"}, {"remgt", "0"},
    };
    for (const auto& [keyName, text] : expected) {
        const RawValue raw = QueryRaw(Key(keyName), "String");
        ASSERT_TRUE(raw.found) << keyName;
        EXPECT_EQ(raw.type, static_cast<DWORD>(REG_SZ)) << keyName;
        EXPECT_EQ(raw.bytes, text) << keyName;
    }
    // Nothing lands in the folder itself: every setting is a key of its own.
    EXPECT_FALSE(QueryRaw(base_, "String").found);
}

}  // namespace
}  // namespace textmend
