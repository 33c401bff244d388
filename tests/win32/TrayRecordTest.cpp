// The shell's notification record filled from the core's.

#include <gtest/gtest.h>

#include <cstring>

#include "win32/Win32Tray.h"

namespace textmend {
namespace {

TrayIconData AddedRecord() {
    TrayIconData record;
    record.cbSize = 88;
    record.hWnd = 0x1234;
    record.uID = 1;
    record.uFlags = 7;
    record.uCallbackMessage = 0x8001;
    record.hIcon = TrayImage::Normal;
    std::memset(record.szTip, ' ', sizeof(record.szTip));
    std::memcpy(record.szTip, " Textmend ", 10);
    record.szTip[10] = '\0';
    return record;
}

const TrayIcons kIcons{reinterpret_cast<HICON>(0x11), reinterpret_cast<HICON>(0x22)};

TEST(TrayRecord, UsesTheFirstFormSizeOfA64BitProgram) {
    // cbSize, padding, hWnd, uID, uFlags, uCallbackMessage, padding, hIcon, szTip[64].
    constexpr DWORD kFirstFormSize = 4 + 4 + 8 + 4 + 4 + 4 + 4 + 8 + 64;
    EXPECT_EQ(ToNotifyIconData(AddedRecord(), kIcons).cbSize, kFirstFormSize);
    TrayIconData unsized = AddedRecord();
    unsized.cbSize = 0;
    EXPECT_EQ(ToNotifyIconData(unsized, kIcons).cbSize, 0u);
}

TEST(TrayRecord, CopiesTheFieldsAndTheWholeTip) {
    const NOTIFYICONDATAA data = ToNotifyIconData(AddedRecord(), kIcons);
    EXPECT_EQ(data.hWnd, reinterpret_cast<HWND>(0x1234));
    EXPECT_EQ(data.uID, 1u);
    EXPECT_EQ(data.uFlags, 7u);
    EXPECT_EQ(data.uCallbackMessage, 0x8001u);
    EXPECT_STREQ(data.szTip, " Textmend ");
    for (size_t i = 11; i < 64; ++i) {
        EXPECT_EQ(data.szTip[i], ' ') << i;
    }
}

TEST(TrayRecord, MapsEachImageToItsIcon) {
    TrayIconData record = AddedRecord();
    EXPECT_EQ(ToNotifyIconData(record, kIcons).hIcon, kIcons.normal);
    record.hIcon = TrayImage::Autoprocess;
    EXPECT_EQ(ToNotifyIconData(record, kIcons).hIcon, kIcons.autoprocess);
}

TEST(TrayRecord, TheShellTakesTheRecordThroughAddChangeAndRemove) {
    HWND window = CreateWindowW(L"STATIC", L"", 0, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(window, nullptr);
    HICON icon = LoadIconW(nullptr, reinterpret_cast<LPCWSTR>(IDI_APPLICATION));
    Win32Tray tray({icon, icon});
    TrayIconData record = AddedRecord();
    record.hWnd = reinterpret_cast<std::uintptr_t>(window);
    EXPECT_TRUE(tray.Notify(TrayMessage::Add, record));
    record.uFlags = 2;
    record.hIcon = TrayImage::Autoprocess;
    EXPECT_TRUE(tray.Notify(TrayMessage::Modify, record));
    EXPECT_TRUE(tray.Notify(TrayMessage::Delete, record));
    EXPECT_FALSE(tray.Notify(TrayMessage::Modify, record)) << "the icon is gone";
    DestroyWindow(window);
}

}  // namespace
}  // namespace textmend
