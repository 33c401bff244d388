#include <gtest/gtest.h>

#include <set>

#include "qt/SysInfoRegistry.h"

namespace textmend {
namespace {

constexpr const char* kKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";

std::function<bool(const std::string&)> ExecutablesAre(std::set<std::string> files) {
    return [files = std::move(files)](const std::string& path) { return files.contains(path); };
}

TEST(FindOnPath, TheFirstNameOfTheListWinsOverEarlierFolders) {
    const std::vector<std::string> names{"hardinfo2", "hardinfo"};
    const auto found =
        FindOnPath(names, "/usr/local/bin:/usr/bin",
                   ExecutablesAre({"/usr/local/bin/hardinfo", "/usr/bin/hardinfo2"}));
    EXPECT_EQ(found, "/usr/bin/hardinfo2");
}

TEST(FindOnPath, FoldersAreTriedInTheirOrder) {
    const auto found = FindOnPath({"tool"}, "/a:/b/:/c", ExecutablesAre({"/b/tool", "/c/tool"}));
    EXPECT_EQ(found, "/b/tool");
}

TEST(FindOnPath, EmptyEntriesNeverMeanTheCurrentFolder) {
    EXPECT_EQ(FindOnPath({"tool"}, "::", ExecutablesAre({"tool", "/tool", "./tool"})),
              std::nullopt);
    EXPECT_EQ(FindOnPath({"tool"}, "", ExecutablesAre({"tool"})), std::nullopt);
}

TEST(FindOnPath, NothingFoundIsNoPath) {
    EXPECT_EQ(FindOnPath(SysInfoProgramNames(), "/usr/bin", ExecutablesAre({})), std::nullopt);
}

class SysInfoRegistryTest : public ::testing::Test {
  protected:
    std::optional<std::string> program = "/usr/bin/hardinfo";
    SysInfoRegistry registry{[this] { return program; }};
};

TEST_F(SysInfoRegistryTest, TheKeyHoldsThePathAsTextWithItsNul) {
    std::uintptr_t key = 0;
    ASSERT_EQ(registry.OpenKeyForReading(kHkeyLocalMachine, kKey, key), 0);
    std::uint32_t type = 0;
    std::string data;
    ASSERT_EQ(registry.QueryValue(key, "PATH", type, data, 1024), 0);
    EXPECT_EQ(type, 1u);
    EXPECT_EQ(data, std::string("/usr/bin/hardinfo\0", 18));
    registry.CloseKey(key);
}

TEST_F(SysInfoRegistryTest, NamesCompareWithoutLetterCase) {
    std::uintptr_t key = 0;
    ASSERT_EQ(registry.OpenKeyForReading(kHkeyLocalMachine,
                                         "software\\MICROSOFT\\shared tools\\msinfo", key),
              0);
    std::uint32_t type = 0;
    std::string data;
    EXPECT_EQ(registry.QueryValue(key, "Path", type, data, 1024), 0);
}

TEST_F(SysInfoRegistryTest, OtherKeysRootsAndValuesAreMissing) {
    std::uintptr_t key = 7;
    EXPECT_EQ(registry.OpenKeyForReading(kHkeyCurrentUser, kKey, key), 2);
    EXPECT_EQ(key, 0u);
    EXPECT_EQ(registry.OpenKeyForReading(kHkeyLocalMachine,
                                         "SOFTWARE\\Microsoft\\Shared Tools Location", key),
              2);
    ASSERT_EQ(registry.OpenKeyForReading(kHkeyLocalMachine, kKey, key), 0);
    std::uint32_t type = 0;
    std::string data = "stale";
    EXPECT_EQ(registry.QueryValue(key, "MSINFO", type, data, 1024), 2);
    EXPECT_EQ(data, "");
}

TEST_F(SysInfoRegistryTest, WithoutAProgramTheKeyIsMissing) {
    program.reset();
    std::uintptr_t key = 0;
    EXPECT_EQ(registry.OpenKeyForReading(kHkeyLocalMachine, kKey, key), 2);
}

TEST_F(SysInfoRegistryTest, ABufferTooSmallGetsNothing) {
    std::uintptr_t key = 0;
    ASSERT_EQ(registry.OpenKeyForReading(kHkeyLocalMachine, kKey, key), 0);
    std::uint32_t type = 0;
    std::string data;
    // 17 characters and the NUL need 18 bytes.
    EXPECT_EQ(registry.QueryValue(key, "PATH", type, data, 17), 234);
    EXPECT_EQ(data, "");
    EXPECT_EQ(registry.QueryValue(key, "PATH", type, data, 18), 0);
}

TEST_F(SysInfoRegistryTest, AClosedKeyCannotBeRead) {
    std::uintptr_t key = 0;
    ASSERT_EQ(registry.OpenKeyForReading(kHkeyLocalMachine, kKey, key), 0);
    registry.CloseKey(key);
    std::uint32_t type = 0;
    std::string data;
    EXPECT_EQ(registry.QueryValue(key, "PATH", type, data, 1024), 6);
}

}  // namespace
}  // namespace textmend
