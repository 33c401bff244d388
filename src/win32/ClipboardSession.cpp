#include "win32/ClipboardSession.h"

#include "win32/Win32Error.h"

namespace textmend {
namespace {

constexpr int kOpenTries = 10;
constexpr DWORD kOpenRetryMs = 20;

}  // namespace

ClipboardSession::ClipboardSession(HWND owner) {
    for (int attempt = 1;; ++attempt) {
        if (OpenClipboard(owner)) {
            return;
        }
        const DWORD error = GetLastError();
        if (attempt == kOpenTries) {
            ThrowSystemError(error);
        }
        Sleep(kOpenRetryMs);
    }
}

ClipboardSession::~ClipboardSession() {
    CloseClipboard();
}

}  // namespace textmend
