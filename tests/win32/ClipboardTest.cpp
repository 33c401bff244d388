// The Unicode clipboard under Wine's real clipboard.

#include <gtest/gtest.h>

#include <windows.h>

#include <atomic>
#include <chrono>
#include <cstring>
#include <string>
#include <thread>

#include "engine/StepError.h"
#include "win32/Win32Clipboard.h"

namespace textmend {
namespace {

// Puts one DWORD in a registered format next to some text, as a password
// manager marks its copies.
void PutMarkedText(const wchar_t* formatName, DWORD mark, bool withMark = true) {
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    HGLOBAL text = GlobalAlloc(GMEM_MOVEABLE, sizeof(L"secret"));
    std::memcpy(GlobalLock(text), L"secret", sizeof(L"secret"));
    GlobalUnlock(text);
    SetClipboardData(CF_UNICODETEXT, text);
    if (withMark) {
        HGLOBAL data = GlobalAlloc(GMEM_MOVEABLE, sizeof(DWORD));
        *static_cast<DWORD*>(GlobalLock(data)) = mark;
        GlobalUnlock(data);
        SetClipboardData(RegisterClipboardFormatW(formatName), data);
    }
    CloseClipboard();
}

TEST(Win32Clipboard, TextRoundTripsWithEveryCharacter) {
    Win32Clipboard clipboard;
    const std::string texts[] = {
        "plain",
        "\xC3\x9Cn\xC3\xAF"
        "c\xC3\xB6"
        "d\xC3\xA9 \xE2\x9C\x93 \xE4\xB8\xAD\xE6\x96\x87",
        "two\r\nlines\rand a lone CR",
        "",
    };
    for (const std::string& text : texts) {
        clipboard.Empty();
        clipboard.PutText(text);
        ASSERT_TRUE(clipboard.HasText()) << text;
        EXPECT_EQ(clipboard.ReadText(), text);
    }
}

TEST(Win32Clipboard, EmptyLeavesNoText) {
    Win32Clipboard clipboard;
    clipboard.PutText("something");
    clipboard.Empty();
    EXPECT_FALSE(clipboard.HasText());
}

TEST(Win32Clipboard, TextOfOtherProgramsInTheSingleByteFormatIsReadToo) {
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    HGLOBAL text = GlobalAlloc(GMEM_MOVEABLE, 6);
    std::memcpy(GlobalLock(text), "ascii", 6);
    GlobalUnlock(text);
    SetClipboardData(CF_TEXT, text);
    CloseClipboard();

    Win32Clipboard clipboard;
    ASSERT_TRUE(clipboard.HasText());
    EXPECT_EQ(clipboard.ReadText(), "ascii");
}

TEST(Win32Clipboard, MarksOfPrivateCopiesMakeTheContentSecret) {
    Win32Clipboard clipboard;
    PutMarkedText(L"ExcludeClipboardContentFromMonitorProcessing", 0);
    EXPECT_TRUE(clipboard.IsSecret());
    PutMarkedText(L"CanIncludeInClipboardHistory", 0);
    EXPECT_TRUE(clipboard.IsSecret());
    PutMarkedText(L"CanIncludeInClipboardHistory", 1);
    EXPECT_FALSE(clipboard.IsSecret());
    PutMarkedText(L"CanIncludeInClipboardHistory", 0, false);
    EXPECT_FALSE(clipboard.IsSecret());
}

// Another thread, with a window of its own, stands in for another program that
// holds the clipboard open.
class ClipboardHolder {
  public:
    explicit ClipboardHolder(std::chrono::milliseconds hold)
        : thread_([this, hold] {
              HWND window =
                  CreateWindowW(L"STATIC", L"", 0, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
              opened_ = OpenClipboard(window) != FALSE;
              held_ = true;
              std::this_thread::sleep_for(hold);
              if (opened_) {
                  CloseClipboard();
              }
              DestroyWindow(window);
          }) {
        while (!held_) {
            std::this_thread::yield();
        }
    }
    ~ClipboardHolder() { thread_.join(); }
    bool opened() const { return opened_; }

  private:
    std::atomic<bool> held_ = false;
    std::atomic<bool> opened_ = false;
    std::thread thread_;
};

TEST(Win32Clipboard, ABrieflyHeldClipboardIsWaitedFor) {
    Win32Clipboard clipboard;
    clipboard.PutText("waited for");
    ClipboardHolder holder(std::chrono::milliseconds(30));
    ASSERT_TRUE(holder.opened());
    EXPECT_EQ(clipboard.ReadText(), "waited for");
}

TEST(Win32Clipboard, AClipboardHeldOpenFailsWithTheSystemsErrorAndText) {
    Win32Clipboard clipboard;
    ClipboardHolder holder(std::chrono::seconds(2));
    ASSERT_TRUE(holder.opened());
    try {
        clipboard.Empty();
        ADD_FAILURE() << "emptying a clipboard held by another thread succeeded";
    } catch (const StepError& error) {
        EXPECT_EQ(error.number(), ERROR_ACCESS_DENIED);
        EXPECT_FALSE(error.description().empty());
        EXPECT_NE(error.description().back(), '\n');
    }
}

}  // namespace
}  // namespace textmend
