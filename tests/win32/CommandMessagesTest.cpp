// The command messages between two starts of the program, both ends in this
// process: a window marked as taking commands answers what it is asked.

#include <gtest/gtest.h>

#include "win32/CommandMessages.h"

namespace textmend {
namespace {

using namespace std::chrono_literals;

std::string received;

LRESULT CALLBACK RunningProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COPYDATA) {
        const auto request = ReadCommandRequest(window, wParam, lParam);
        if (!request) {
            return FALSE;
        }
        received = request->line;
        SendCommandAnswer(window, request->answerTo, "failed no text\n");
        return TRUE;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

HWND RunningWindow() {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = RunningProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"TextmendCommandTest";
    RegisterClassW(&windowClass);
    return CreateWindowExW(0, windowClass.lpszClassName, L"", WS_POPUP, 0, 0, 1, 1, nullptr,
                           nullptr, windowClass.hInstance, nullptr);
}

TEST(CommandMessages, OnlyAWindowThatTakesCommandsIsAskedAndItsAnswerComesBack) {
    HWND running = RunningWindow();
    ASSERT_NE(running, nullptr);
    EXPECT_FALSE(AskRunningWindow("process\n", 1s)) << "no window takes commands yet";
    TakeCommands(running);
    EXPECT_EQ(AskRunningWindow("process\n", 1s), "failed no text\n");
    EXPECT_EQ(received, "process\n");
    DestroyWindow(running);
    EXPECT_FALSE(AskRunningWindow("show\n", 1s)) << "its window is gone";
}

}  // namespace
}  // namespace textmend
