#include <gtest/gtest.h>

#include <set>

#include "posix/SysInfoTool.h"

namespace textmend {
namespace {

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

}  // namespace
}  // namespace textmend
