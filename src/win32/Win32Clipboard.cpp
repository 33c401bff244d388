#include "win32/Win32Clipboard.h"

#include <cwchar>

#include "win32/SystemError.h"
#include "win32/Utf.h"

namespace textmend {
namespace {

constexpr int kOpenTries = 10;
constexpr DWORD kOpenRetryMs = 20;

// Formats by which password managers and the like mark a copy as not to be watched.
UINT ExcludeFromMonitoringFormat() {
    static const UINT format =
        RegisterClipboardFormatW(L"ExcludeClipboardContentFromMonitorProcessing");
    return format;
}

UINT HistoryPermissionFormat() {
    static const UINT format = RegisterClipboardFormatW(L"CanIncludeInClipboardHistory");
    return format;
}

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

void Win32Clipboard::Read(ReadDone done) {
    ClipboardContent content;
    try {
        content.hasText = HasText();
        // When the mark cannot be read the content may be secret: leave it alone.
        try {
            content.secret = IsSecret();
        } catch (const StepError&) {
            content.secret = true;
        }
        if (content.hasText) {
            content.text = ReadText();
        }
    } catch (const StepError& failure) {
        done({}, failure);
        return;
    }
    done(content, std::nullopt);
}

void Win32Clipboard::Write(std::string text, WriteDone done) {
    std::optional<StepError> emptyFailure;
    std::optional<StepError> putFailure;
    try {
        Empty();
    } catch (const StepError& failure) {
        emptyFailure = failure;
    }
    try {
        PutText(text);
    } catch (const StepError& failure) {
        putFailure = failure;
    }
    done(emptyFailure, putFailure);
}

bool Win32Clipboard::HasText() {
    return IsClipboardFormatAvailable(CF_UNICODETEXT) != FALSE;
}

std::string Win32Clipboard::ReadText() {
    ClipboardSession session(owner_);
    HANDLE data = GetClipboardData(CF_UNICODETEXT);
    if (data == nullptr) {
        ThrowLastError();
    }
    const auto* chars = static_cast<const wchar_t*>(GlobalLock(data));
    if (chars == nullptr) {
        ThrowLastError();
    }
    // The block may be larger than the text, and a careless writer may leave out
    // the terminating NUL: never read past the block.
    const size_t capacity = GlobalSize(data) / sizeof(wchar_t);
    const size_t length = wcsnlen(chars, capacity);
    std::string text = WideToUtf8(std::wstring_view(chars, length));
    GlobalUnlock(data);
    return text;
}

void Win32Clipboard::Empty() {
    ClipboardSession session(owner_);
    if (!EmptyClipboard()) {
        ThrowLastError();
    }
}

void Win32Clipboard::PutText(const std::string& text) {
    const std::wstring wide = Utf8ToWide(text);
    const size_t bytes = (wide.size() + 1) * sizeof(wchar_t);
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, bytes);
    if (block == nullptr) {
        ThrowLastError();
    }
    auto* chars = static_cast<wchar_t*>(GlobalLock(block));
    if (chars == nullptr) {
        const DWORD error = GetLastError();
        GlobalFree(block);
        ThrowSystemError(error);
    }
    std::wmemcpy(chars, wide.c_str(), wide.size() + 1);
    GlobalUnlock(block);

    ClipboardSession session(owner_);
    if (SetClipboardData(CF_UNICODETEXT, block) == nullptr) {
        const DWORD error = GetLastError();
        GlobalFree(block);  // still ours: the clipboard did not take it
        ThrowSystemError(error);
    }
}

bool Win32Clipboard::IsSecret() {
    if (IsClipboardFormatAvailable(ExcludeFromMonitoringFormat())) {
        return true;
    }
    if (!IsClipboardFormatAvailable(HistoryPermissionFormat())) {
        return false;
    }
    ClipboardSession session(owner_);
    HANDLE data = GetClipboardData(HistoryPermissionFormat());
    if (data == nullptr || GlobalSize(data) < sizeof(DWORD)) {
        return false;
    }
    const auto* permission = static_cast<const DWORD*>(GlobalLock(data));
    if (permission == nullptr) {
        return false;
    }
    const bool secret = *permission == 0;
    GlobalUnlock(data);
    return secret;
}

}  // namespace textmend
