// The clipboard under Wine's real clipboard: the transfers themselves, and the
// port that runs them on workers and reports on the window's thread.

#include <gtest/gtest.h>

#include <windows.h>

#include <atomic>
#include <chrono>
#include <cstring>
#include <functional>
#include <optional>
#include <string>
#include <thread>

#include "engine/StepError.h"
#include "win32/ClipboardTransfer.h"
#include "win32/Win32Clipboard.h"

namespace textmend {
namespace {

using namespace std::chrono_literals;

TransferDeadline Soon() {
    return std::chrono::steady_clock::now() + ClipboardPort::kDeadline;
}

// Puts data in format on the clipboard as another program would; a null data
// promises it for later (delayed rendering).
void PutAsAnotherProgram(std::initializer_list<std::pair<UINT, std::string>> formats,
                         HWND owner = nullptr) {
    ASSERT_TRUE(OpenClipboard(owner));
    EmptyClipboard();
    for (const auto& [format, bytes] : formats) {
        HGLOBAL data = GlobalAlloc(GMEM_MOVEABLE, bytes.size());
        std::memcpy(GlobalLock(data), bytes.data(), bytes.size());
        GlobalUnlock(data);
        SetClipboardData(format, data);
    }
    CloseClipboard();
}

std::string Wide(const wchar_t* text) {
    return std::string(reinterpret_cast<const char*>(text), (std::wcslen(text) + 1) * 2);
}

std::string Dword(DWORD value) {
    return std::string(reinterpret_cast<const char*>(&value), sizeof(value));
}

// The window this program's own writes are owned by.
HWND TestWindow() {
    static HWND window =
        CreateWindowW(L"STATIC", L"", 0, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    return window;
}

UINT Format(const wchar_t* name) {
    return RegisterClipboardFormatW(name);
}

TEST(ClipboardTransfer, TextRoundTripsWithEveryCharacter) {
    const std::string texts[] = {
        "plain",
        "\xC3\x9Cn\xC3\xAF"
        "c\xC3\xB6"
        "d\xC3\xA9 \xE2\x9C\x93 \xE4\xB8\xAD\xE6\x96\x87",
        "two\r\nlines\rand a lone CR",
        "",
    };
    for (const std::string& text : texts) {
        const WriteFailures failures = WriteClipboardText(TestWindow(), text, false, Soon());
        ASSERT_FALSE(failures.empty || failures.put) << text;
        const ClipboardContent content = ReadClipboardContent(TestWindow(), Soon());
        ASSERT_TRUE(content.hasText) << text;
        EXPECT_EQ(content.text, text);
        EXPECT_FALSE(content.secret);
    }
}

TEST(ClipboardTransfer, WhatOtherProgramsPutIsReadAsTheyMarkedIt) {
    const struct {
        const char* what;
        std::initializer_list<std::pair<UINT, std::string>> formats;
        bool hasText;
        bool secret;
    } cases[] = {
        {"single-byte text", {{CF_TEXT, std::string("ascii", 6)}}, true, false},
        {"no text", {{CF_DIB, std::string(64, '\0')}}, false, false},
        {"excluded from monitoring",
         {{CF_UNICODETEXT, Wide(L"pw")},
          {Format(L"ExcludeClipboardContentFromMonitorProcessing"), Dword(0)}},
         true,
         true},
        {"kept out of the history",
         {{CF_UNICODETEXT, Wide(L"pw")}, {Format(L"CanIncludeInClipboardHistory"), Dword(0)}},
         true,
         true},
        {"allowed into the history",
         {{CF_UNICODETEXT, Wide(L"pw")}, {Format(L"CanIncludeInClipboardHistory"), Dword(1)}},
         true,
         false},
        {"kept from the cloud",
         {{CF_UNICODETEXT, Wide(L"pw")},
          {Format(L"CanIncludeInClipboardHistory"), Dword(1)},
          {Format(L"CanUploadToCloudClipboard"), Dword(0)}},
         true,
         true},
        {"allowed into the cloud",
         {{CF_UNICODETEXT, Wide(L"pw")}, {Format(L"CanUploadToCloudClipboard"), Dword(1)}},
         true,
         false},
        {"a permission too short to say",
         {{CF_UNICODETEXT, Wide(L"pw")},
          {Format(L"CanUploadToCloudClipboard"), std::string(2, '\0')}},
         true,
         false},
    };
    for (const auto& c : cases) {
        PutAsAnotherProgram(c.formats);
        const ClipboardContent content = ReadClipboardContent(TestWindow(), Soon());
        EXPECT_EQ(content.hasText, c.hasText) << c.what;
        EXPECT_EQ(content.secret, c.secret) << c.what;
    }
    PutAsAnotherProgram({{CF_TEXT, std::string("ascii", 6)}});
    EXPECT_EQ(ReadClipboardContent(TestWindow(), Soon()).text, "ascii");
}

// The bytes the clipboard holds in format as they are now; nothing when it holds none.
std::optional<std::string> BytesNow(UINT format) {
    if (!OpenClipboard(TestWindow())) {
        return std::nullopt;
    }
    std::optional<std::string> bytes;
    if (HANDLE data = GetClipboardData(format)) {
        if (const auto* start = static_cast<const char*>(GlobalLock(data))) {
            bytes.emplace(start, GlobalSize(data));
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return bytes;
}

TEST(ClipboardTransfer, ASecretTextGoesWithEveryMarkAndAPlainOneWithNone) {
    for (const bool secret : {true, false}) {
        PutAsAnotherProgram({{Format(L"CanIncludeInClipboardHistory"), Dword(1)}});
        const WriteFailures failures = WriteClipboardText(TestWindow(), "pw", secret, Soon());
        ASSERT_FALSE(failures.empty || failures.put) << secret;
        EXPECT_EQ(BytesNow(CF_UNICODETEXT), Wide(L"pw")) << secret;
        EXPECT_EQ(BytesNow(Format(L"ExcludeClipboardContentFromMonitorProcessing")).has_value(),
                  secret);
        for (const wchar_t* permission :
             {L"CanIncludeInClipboardHistory", L"CanUploadToCloudClipboard"}) {
            const std::optional<std::string> bytes = BytesNow(Format(permission));
            if (secret) {
                EXPECT_EQ(bytes, Dword(0)) << permission;
            } else {
                EXPECT_FALSE(bytes.has_value()) << permission;
            }
        }
        EXPECT_EQ(ReadClipboardContent(TestWindow(), Soon()).secret, secret);
    }
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

TEST(ClipboardTransfer, ABrieflyHeldClipboardIsWaitedFor) {
    WriteClipboardText(TestWindow(), "waited for", false, Soon());
    ClipboardHolder holder(30ms);
    ASSERT_TRUE(holder.opened());
    EXPECT_EQ(ReadClipboardContent(TestWindow(), Soon()).text, "waited for");
}

TEST(ClipboardTransfer, AClipboardHeldOpenFailsBothStepsWithTheSystemsErrorAndText) {
    ClipboardHolder holder(2s);
    ASSERT_TRUE(holder.opened());
    const WriteFailures failures = WriteClipboardText(TestWindow(), "refused", false, Soon());
    for (const std::optional<StepError>& failure : {failures.empty, failures.put}) {
        ASSERT_TRUE(failure.has_value());
        EXPECT_EQ(failure->number(), ERROR_ACCESS_DENIED);
        EXPECT_FALSE(failure->description().empty());
        EXPECT_NE(failure->description().back(), '\n');
    }
}

// A program that promises text for later and answers every message but one:
// the one named hangOn, on which it hangs until Release; with kEveryMessage it
// handles none at all.
constexpr UINT kEveryMessage = 0;

class OwnerHangingOn {
  public:
    explicit OwnerHangingOn(UINT hangOn)
        : release_(CreateEventW(nullptr, TRUE, FALSE, nullptr)), thread_([this, hangOn] {
              hangOn_ = hangOn;
              WNDCLASSW windowClass{};
              windowClass.lpfnWndProc = Proc;
              windowClass.hInstance = GetModuleHandleW(nullptr);
              windowClass.lpszClassName = L"TextmendTestHangingOwner";
              RegisterClassW(&windowClass);
              HWND window = CreateWindowW(windowClass.lpszClassName, L"", 0, 0, 0, 1, 1, nullptr,
                                          nullptr, windowClass.hInstance, nullptr);
              SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
              PutAsAnotherProgram({}, window);
              OpenClipboard(window);
              SetClipboardData(CF_UNICODETEXT, nullptr);
              CloseClipboard();
              owning_ = true;
              MSG msg;
              while (hangOn != kEveryMessage && WaitForSingleObject(release_, 0) != WAIT_OBJECT_0) {
                  MsgWaitForMultipleObjects(1, &release_, FALSE, 50, QS_ALLINPUT);
                  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
                      DispatchMessageW(&msg);
                  }
              }
              WaitForSingleObject(release_, INFINITE);
              DestroyWindow(window);
          }) {
        while (!owning_) {
            std::this_thread::yield();
        }
    }
    ~OwnerHangingOn() { Release(); }
    void Release() {
        SetEvent(release_);
        if (thread_.joinable()) {
            thread_.join();
        }
    }

  private:
    static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
        auto* self = reinterpret_cast<OwnerHangingOn*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
        if (self != nullptr && message == self->hangOn_) {
            WaitForSingleObject(self->release_, 10000);
            return 0;
        }
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }

    HANDLE release_;
    UINT hangOn_ = 0;
    std::atomic<bool> owning_ = false;
    std::thread thread_;
};

// The window's thread: handles its messages until done has run.
void PumpUntil(const bool& done) {
    const auto giveUp = std::chrono::steady_clock::now() + 20s;  // only against a hang
    while (!done && std::chrono::steady_clock::now() < giveUp) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            DispatchMessageW(&msg);
        }
    }
    ASSERT_TRUE(done) << "the port never reported back";
}

struct ReadResult {
    bool done = false;
    bool doneInsideTheCall = false;
    ClipboardContent content;
    std::optional<StepError> failure;
};

ReadResult ReadThroughPort(Win32Clipboard& port) {
    ReadResult result;
    port.Read([&](const ClipboardRead& read) {
        result = {true, false, read.content, read.failure};
    });
    result.doneInsideTheCall = result.done;
    PumpUntil(result.done);
    return result;
}

class Win32ClipboardPort : public ::testing::Test {
  protected:
    Win32ClipboardPort()
        : window_(CreateWindowW(L"STATIC", L"", 0, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr)),
          port_(window_, [this](const std::function<void()>& done) {
              done();
              ++afterDoneCalls_;
          }) {}
    ~Win32ClipboardPort() override { DestroyWindow(window_); }

    HWND window_;
    int afterDoneCalls_ = 0;
    Win32Clipboard port_;
};

TEST_F(Win32ClipboardPort, AWriteOnAWorkerLeavesTheWindowOwningTheTextAndChangesTheCount) {
    const std::uint64_t before = port_.ChangeCount();
    bool done = false;
    std::optional<StepError> emptyFailure, putFailure;
    port_.Write("from the worker", false, [&](const auto& empty, const auto& put) {
        done = true;
        emptyFailure = empty;
        putFailure = put;
    });
    PumpUntil(done);
    EXPECT_FALSE(emptyFailure || putFailure);
    EXPECT_EQ(GetClipboardOwner(), window_);
    EXPECT_NE(port_.ChangeCount(), before);

    const ReadResult read = ReadThroughPort(port_);
    EXPECT_FALSE(read.failure.has_value());
    EXPECT_EQ(read.content.text, "from the worker");
    EXPECT_EQ(afterDoneCalls_, 2);
}

TEST_F(Win32ClipboardPort, AnOwnerThatNeverRendersTimesOutOnceAndIsNotAskedAgainUntilItGoes) {
    OwnerHangingOn owner(kEveryMessage);
    const ReadResult first = ReadThroughPort(port_);
    ASSERT_TRUE(first.failure.has_value());
    EXPECT_EQ(first.failure->number(), ERROR_TIMEOUT);
    EXPECT_FALSE(first.failure->description().empty());
    EXPECT_FALSE(first.doneInsideTheCall);
    // Other programs can still open the clipboard: the port never opened it.
    ClipboardHolder other(0ms);
    EXPECT_TRUE(other.opened());

    const ReadResult again = ReadThroughPort(port_);
    EXPECT_TRUE(again.doneInsideTheCall);
    ASSERT_TRUE(again.failure.has_value());
    EXPECT_EQ(again.failure->number(), ERROR_TIMEOUT);

    owner.Release();
    PutAsAnotherProgram({{CF_UNICODETEXT, Wide(L"after the owner")}});
    const ReadResult after = ReadThroughPort(port_);
    EXPECT_FALSE(after.failure.has_value());
    EXPECT_EQ(after.content.text, "after the owner");
}

// Whether another program gets the clipboard open within a moment.
bool OpenableSoon() {
    const auto end = std::chrono::steady_clock::now() + 300ms;
    do {
        ClipboardHolder other(0ms);
        if (other.opened()) {
            return true;
        }
        std::this_thread::sleep_for(10ms);
    } while (std::chrono::steady_clock::now() < end);
    return false;
}

TEST_F(Win32ClipboardPort, AnOwnerThatHangsWhileRenderingNeverKeepsTheClipboardFromOthers) {
    OwnerHangingOn owner(WM_RENDERFORMAT);
    const ReadResult read = ReadThroughPort(port_);
    ASSERT_TRUE(read.failure.has_value());
    EXPECT_EQ(read.failure->number(), ERROR_TIMEOUT);
    EXPECT_TRUE(OpenableSoon()) << "the clipboard is still held open for the hung owner";
}

TEST_F(Win32ClipboardPort, AWriteReportedAsTimedOutNeverLandsLater) {
    OwnerHangingOn owner(WM_DESTROYCLIPBOARD);
    bool done = false;
    std::optional<StepError> putFailure;
    port_.Write("late", false, [&](const auto&, const auto& put) {
        done = true;
        putFailure = put;
    });
    PumpUntil(done);
    ASSERT_TRUE(putFailure.has_value());
    EXPECT_EQ(putFailure->number(), ERROR_TIMEOUT);
    EXPECT_TRUE(OpenableSoon());

    owner.Release();
    std::this_thread::sleep_for(300ms);  // time for a late write to land
    EXPECT_NE(BytesNow(CF_UNICODETEXT), Wide(L"late"));
}

}  // namespace
}  // namespace textmend
