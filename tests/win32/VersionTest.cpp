// The version the windows show, read back from the program's resource.

#include <gtest/gtest.h>

#include <windows.h>

#include "WinePaths.h"
#include "win32/VersionResource.h"

namespace textmend {
namespace {

TEST(VersionResource, MajorMinorAndTheFourthNumberMakeTheVersion) {
    const struct {
        std::uint32_t ms, ls;
        AppVersion version;
    } cases[] = {
        {0x00020003, 0x00000004, {2, 3, 4}},
        {0x00020003, 0x00070004, {2, 3, 4}},  // the third number is not shown
        {0x000A0000, 0x0000FFFF, {10, 0, 65535}},
    };
    for (const auto& c : cases) {
        const AppVersion version = AppVersionFromFileVersion(c.ms, c.ls);
        EXPECT_EQ(version.major, c.version.major);
        EXPECT_EQ(version.minor, c.version.minor);
        EXPECT_EQ(version.revision, c.version.revision);
    }
}

TEST(VersionResource, AModuleWithoutOneHasNone) {
    EXPECT_FALSE(ReadAppVersion(GetModuleHandleW(nullptr)).has_value());
}

TEST(VersionResource, TheProgramCarriesVersion2_3_0_4) {
    const std::wstring path = testing::HostPathToWindows(TEXTMEND_EXE);
    HMODULE program = LoadLibraryExW(path.c_str(), nullptr,
                                     LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    ASSERT_NE(program, nullptr);
    const std::optional<AppVersion> version = ReadAppVersion(program);
    ASSERT_TRUE(version.has_value());
    EXPECT_EQ(version->major, 2);
    EXPECT_EQ(version->minor, 3);
    EXPECT_EQ(version->revision, 4);
    FreeLibrary(program);
}

}  // namespace
}  // namespace textmend
