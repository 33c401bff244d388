// The shell's notification record as the program fills it, and the mouse
// messages over the icon that the program acts on.

#include <gtest/gtest.h>

#include <cstring>

#include "win32/Win32Tray.h"

namespace textmend {
namespace {

TEST(TrayEvents, OnlyReleasesAndTheLeftDoubleClickAct) {
    const struct {
        UINT message;
        std::optional<TrayEvent> event;
    } cases[] = {
        {WM_MOUSEMOVE, std::nullopt},
        {WM_LBUTTONDOWN, std::nullopt},
        {WM_LBUTTONUP, TrayEvent::Activate},
        {WM_LBUTTONDBLCLK, TrayEvent::Activate},
        {WM_RBUTTONDOWN, std::nullopt},
        {WM_RBUTTONUP, TrayEvent::OpenMenu},
        {WM_RBUTTONDBLCLK, std::nullopt},
        {WM_MBUTTONDOWN, std::nullopt},
        {WM_MBUTTONUP, std::nullopt},
        {kTrayCallbackMessage, std::nullopt},
        {0, std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(TrayEventOf(c.message), c.event) << std::hex << c.message;
    }
}

class TrayRecordTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_NE(window, nullptr); }
    void TearDown() override {
        tray.Remove();
        DestroyWindow(window);
    }

    HICON normal = LoadIconW(nullptr, reinterpret_cast<LPCWSTR>(IDI_APPLICATION));
    HICON autoprocess = LoadIconW(nullptr, reinterpret_cast<LPCWSTR>(IDI_INFORMATION));
    HWND window = CreateWindowW(L"STATIC", L"", 0, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    Win32Tray tray{TrayIcons{normal, autoprocess}, window};
};

TEST_F(TrayRecordTest, AddingWritesTheWholeRecordInItsFirstForm) {
    ASSERT_TRUE(tray.Add(TrayImage::Normal, " Textmend "));
    const NOTIFYICONDATAA& record = tray.Record();
    // cbSize, padding, hWnd, uID, uFlags, uCallbackMessage, padding, hIcon, szTip[64].
    constexpr DWORD kFirstFormSize = 4 + 4 + 8 + 4 + 4 + 4 + 4 + 8 + 64;
    EXPECT_EQ(record.cbSize, kFirstFormSize);
    EXPECT_EQ(record.hWnd, window);
    EXPECT_EQ(record.uID, 1u);
    EXPECT_EQ(record.uFlags, 7u);  // message, icon and tip
    EXPECT_EQ(record.uCallbackMessage, static_cast<UINT>(WM_APP + 1));
    EXPECT_EQ(record.hIcon, normal);
    EXPECT_STREQ(record.szTip, " Textmend ");
    for (size_t i = 11; i < 64; ++i) {
        EXPECT_EQ(record.szTip[i], ' ') << "the tip is padded with blanks: " << i;
    }
}

TEST_F(TrayRecordTest, AChangeWritesOnlyTheIconAndKeepsTheRest) {
    ASSERT_TRUE(tray.Add(TrayImage::Normal, " Textmend "));
    EXPECT_TRUE(tray.Change(TrayImage::Autoprocess));
    const NOTIFYICONDATAA& record = tray.Record();
    EXPECT_EQ(record.uFlags, 2u);
    EXPECT_EQ(record.hIcon, autoprocess);
    EXPECT_EQ(record.uID, 1u);
    EXPECT_STREQ(record.szTip, " Textmend ");
}

// What the program's tray logic relies on: a second add of the same icon is
// refused, and a change tells whether the icon is still there.
TEST_F(TrayRecordTest, TheShellRefusesASecondAddAndChangesOnlyAPresentIcon) {
    EXPECT_FALSE(tray.Change(TrayImage::Normal)) << "nothing added yet";
    ASSERT_TRUE(tray.Add(TrayImage::Normal, " Textmend "));
    EXPECT_FALSE(tray.Add(TrayImage::Normal, " Textmend "));
    EXPECT_TRUE(tray.Change(TrayImage::Normal));
    tray.Remove();
    EXPECT_FALSE(tray.Change(TrayImage::Autoprocess)) << "the icon is gone";
    EXPECT_TRUE(tray.Add(TrayImage::Normal, " Textmend "));
}

}  // namespace
}  // namespace textmend
