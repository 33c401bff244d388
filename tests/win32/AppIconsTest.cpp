// The program's icons at the sizes Windows asks for at each DPI, loaded from
// the resources of the built textmend.exe.

#include <gtest/gtest.h>

#include <windows.h>

#include "WinePaths.h"
#include "win32/AppIcons.h"
#include "win32/ResourceIds.h"

namespace textmend {
namespace {

int WidthOf(HICON icon) {
    ICONINFO info{};
    if (icon == nullptr || !GetIconInfo(icon, &info)) {
        return 0;
    }
    BITMAP bitmap{};
    GetObjectW(info.hbmColor, sizeof(bitmap), &bitmap);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    return bitmap.bmWidth;
}

class AppIconsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        program = LoadLibraryExW(testing::HostPathToWindows(TEXTMEND_EXE).c_str(), nullptr,
                                 LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
        ASSERT_NE(program, nullptr);
    }
    void TearDown() override { FreeLibrary(program); }

    HMODULE program = nullptr;
};

// Windows' small and large icons: 16 and 32 pixels at 96 DPI, growing with it.
TEST_F(AppIconsTest, EachDpiGetsTheSystemsIconSizes) {
    const struct {
        UINT dpi;
        IconSize size;
        int pixels;
    } cases[] = {
        {96, IconSize::Small, 16},  {96, IconSize::Large, 32},  {120, IconSize::Small, 20},
        {120, IconSize::Large, 40}, {144, IconSize::Small, 24}, {144, IconSize::Large, 48},
        {192, IconSize::Small, 32}, {192, IconSize::Large, 64},
    };
    for (const auto& c : cases) {
        for (int id : {IDI_TEXTMEND, IDI_TEXTMEND_AUTOPROCESS}) {
            EXPECT_EQ(WidthOf(LoadAppIcon(program, id, c.size, c.dpi)), c.pixels)
                << "icon " << id << " at " << c.dpi << " DPI";
        }
    }
}

TEST_F(AppIconsTest, ASizeLoadedOnceIsKept) {
    HICON first = LoadAppIcon(program, IDI_TEXTMEND, IconSize::Small, 144);
    EXPECT_EQ(LoadAppIcon(program, IDI_TEXTMEND, IconSize::Small, 144), first);
    EXPECT_NE(LoadAppIcon(program, IDI_TEXTMEND_AUTOPROCESS, IconSize::Small, 144), first);
    EXPECT_EQ(LoadAppIcon(program, 999, IconSize::Small, 96), nullptr);
}

}  // namespace
}  // namespace textmend
