#pragma once

// The commands another start of the program sends the running one: a
// WM_COPYDATA to its main window with the request line and, in wParam, a window
// of the asker's own, which the answer line comes back to in a WM_COPYDATA of
// its own once the command has ended. The lines are the core's; this only
// carries them.

#include <windows.h>

#include <chrono>
#include <optional>
#include <string>

namespace textmend {

// Marks window as the running program's, the one another start asks.
void TakeCommands(HWND window);

struct CommandRequestMessage {
    std::string line;
    HWND answerTo = nullptr;
};

// The request a WM_COPYDATA brings window, when it is one and window takes
// commands; the window then returns TRUE for the message.
std::optional<CommandRequestMessage> ReadCommandRequest(HWND window, WPARAM wParam, LPARAM lParam);

// Sends the answer line back to the window that asked; from window.
void SendCommandAnswer(HWND window, HWND answerTo, const std::string& line);

// Asks the running program's window in this session, returns its answer line,
// or what came before the deadline (nothing, when it did not answer). Nothing
// at all when no window of the program takes commands.
std::optional<std::string> AskRunningWindow(const std::string& request,
                                            std::chrono::milliseconds deadline);

}  // namespace textmend
