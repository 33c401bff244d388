#include "win32/CommandMessages.h"

namespace textmend {
namespace {

constexpr const wchar_t* kTakesCommands = L"Textmend.TakesCommands";
constexpr const wchar_t* kAnswerClass = L"TextmendCommandAnswer";
constexpr ULONG_PTR kRequestTag = 0x544D5251;  // "TMRQ"
constexpr ULONG_PTR kAnswerTag = 0x544D414E;   // "TMAN"
// A window that does not take a message this long is hung.
constexpr UINT kSendTimeoutMs = 5000;

BOOL CALLBACK FindTaker(HWND window, LPARAM found) {
    if (GetPropW(window, kTakesCommands) == nullptr) {
        return TRUE;
    }
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
}

LRESULT CALLBACK AnswerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_COPYDATA) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    const auto* data = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
    auto* answer =
        reinterpret_cast<std::optional<std::string>*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (data == nullptr || data->dwData != kAnswerTag || answer == nullptr) {
        return FALSE;
    }
    *answer = std::string(static_cast<const char*>(data->lpData), data->cbData);
    return TRUE;
}

bool Send(HWND to, HWND from, ULONG_PTR tag, const std::string& line, DWORD_PTR* result) {
    COPYDATASTRUCT data{tag, static_cast<DWORD>(line.size()), const_cast<char*>(line.data())};
    return SendMessageTimeoutW(to, WM_COPYDATA, reinterpret_cast<WPARAM>(from),
                               reinterpret_cast<LPARAM>(&data), SMTO_ABORTIFHUNG, kSendTimeoutMs,
                               result) != 0;
}

}  // namespace

void TakeCommands(HWND window) {
    SetPropW(window, kTakesCommands, reinterpret_cast<HANDLE>(1));
}

std::optional<CommandRequestMessage> ReadCommandRequest(HWND window, WPARAM wParam, LPARAM lParam) {
    const auto* data = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
    if (GetPropW(window, kTakesCommands) == nullptr || data == nullptr ||
        data->dwData != kRequestTag) {
        return std::nullopt;
    }
    return CommandRequestMessage{
        .line = std::string(static_cast<const char*>(data->lpData), data->cbData),
        .answerTo = reinterpret_cast<HWND>(wParam)};
}

void SendCommandAnswer(HWND window, HWND answerTo, const std::string& line) {
    DWORD_PTR result = 0;
    Send(answerTo, window, kAnswerTag, line, &result);
}

std::optional<std::string> AskRunningWindow(const std::string& request,
                                            std::chrono::milliseconds deadline) {
    HWND running = nullptr;
    EnumWindows(FindTaker, reinterpret_cast<LPARAM>(&running));
    if (running == nullptr) {
        return std::nullopt;
    }
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = AnswerProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = kAnswerClass;
    RegisterClassW(&windowClass);
    HWND answerWindow = CreateWindowExW(0, kAnswerClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                        windowClass.hInstance, nullptr);
    if (answerWindow == nullptr) {
        return std::string();
    }
    std::optional<std::string> answer;
    SetWindowLongPtrW(answerWindow, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&answer));
    // Whoever ran this command was given the foreground: --show hands it on.
    AllowSetForegroundWindow(ASFW_ANY);
    const ULONGLONG end = GetTickCount64() + static_cast<ULONGLONG>(deadline.count());
    DWORD_PTR taken = 0;
    if (!Send(running, answerWindow, kRequestTag, request, &taken)) {
        answer = std::string();  // hung, or gone meanwhile
    } else if (!taken) {
        DestroyWindow(answerWindow);
        return std::nullopt;  // a window of the program that takes no commands
    }
    // The answer arrives as a sent message, which the waiting below delivers.
    while (!answer) {
        const ULONGLONG now = GetTickCount64();
        if (now >= end) {
            break;
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(end - now), QS_ALLINPUT);
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            DispatchMessageW(&message);
        }
    }
    DestroyWindow(answerWindow);
    return answer.value_or(std::string());
}

}  // namespace textmend
