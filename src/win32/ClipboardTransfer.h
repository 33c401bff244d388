#pragma once

// The clipboard transfers themselves, Unicode text only, each blocking until it
// is done: they run on a worker thread (Win32Clipboard), never on the window's.
// The single-byte text format would lose every character outside the system
// code page, so it is never asked for.
//
// A program that put its data on the clipboard with delayed rendering is asked
// for it when the data is read, and told when the clipboard is emptied; while
// it is asked, the clipboard is open and every other program is refused it.
// So the owner is first sent a message that does nothing: an owner that does
// not answer that before the deadline is not asked for anything, and the
// transfer fails with ERROR_TIMEOUT without opening the clipboard.

#include <windows.h>

#include <chrono>
#include <optional>
#include <string>

#include "ports/ClipboardPort.h"
#include "win32/TransferWatch.h"

namespace textmend {

using TransferDeadline = std::chrono::steady_clock::time_point;

// ERROR_TIMEOUT with the system's text for it.
StepError TransferTimeoutError();

// Reads the clipboard's text and whether it is marked as not to be watched.
// window: the window the clipboard is opened for. Failures are thrown as StepError.
// With a watch, a transfer abandoned before it opens the clipboard never does.
ClipboardContent ReadClipboardContent(HWND window, TransferDeadline deadline,
                                      TransferWatch* watch = nullptr);

struct WriteFailures {
    std::optional<StepError> empty;
    std::optional<StepError> put;
};

// Empties the clipboard and puts text on it as Unicode text, a secret one with
// the marks that keep clipboard histories and monitors from it; window becomes
// the owner. The clipboard is opened once for both steps. With a watch, the
// text is put only while the transfer has not been abandoned.
WriteFailures WriteClipboardText(HWND window, const std::string& text, bool secret,
                                 TransferDeadline deadline, TransferWatch* watch = nullptr);

}  // namespace textmend
